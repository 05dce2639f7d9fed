#include "core/game/steam_library.h"

#include "core/game/key_values.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace core {

namespace {

bool is_number(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint64_t number_of(std::optional<std::string_view> text) {
    if (!text || !is_number(*text))
        return 0;
    std::uint64_t number = 0;
    for (const char c : *text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (number > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return 0;
        number = number * 10 + digit;
    }
    return number;
}

// Steam writes absolute paths only: "/..." on Linux, "X:\..." or "\\server\..." on Windows.
bool is_absolute(std::string_view path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return path.starts_with('/') || path.starts_with("\\\\") || drive;
}

bool is_single_folder_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string_view::npos;
}

} // namespace

std::vector<std::string> listed_library_folders(std::string_view text) {
    std::vector<std::string> folders;
    const auto file = parse_key_values(text);
    const KeyValuesNode* list = file ? file->find("libraryfolders") : nullptr;
    if (!list || !list->is_object)
        return folders;
    for (const auto& entry : list->children) {
        if (!is_number(entry.key))
            continue;
        const auto path = entry.is_object ? entry.text_of("path") : entry.text;
        if (path && is_absolute(*path) && folders.size() < max_listed_libraries)
            folders.emplace_back(*path);
    }
    return folders;
}

std::optional<AppManifest> read_app_manifest(std::string_view text) {
    const auto file = parse_key_values(text);
    const KeyValuesNode* state = file ? file->find("AppState") : nullptr;
    if (!state || !state->is_object)
        return std::nullopt;
    const auto install_folder = state->text_of("installdir");
    if (!install_folder || !is_single_folder_name(*install_folder))
        return std::nullopt;
    return AppManifest{number_of(state->text_of("appid")), std::string(*install_folder),
                       number_of(state->text_of("StateFlags")),
                       number_of(state->text_of("LastUpdated"))};
}

const InstalledCopy* choose_installed_copy(std::span<const InstalledCopy> copies) {
    const InstalledCopy* best = nullptr;
    for (const auto& copy : copies) {
        const auto rank = [](const InstalledCopy& c) {
            return std::pair((c.manifest.state_flags & fully_installed_flag) != 0,
                             c.manifest.last_updated);
        };
        if (!best || rank(copy) > rank(*best))
            best = &copy;
    }
    return best;
}

} // namespace core
