#include "core/source_folders.h"

#include "core/game_directory.h"
#include "platform/file_system.h"
#include "platform/names.h"

namespace core {

namespace {

// A name matches a wildcard pattern ("*" and "?"), both compared in their folded forms.
bool matches_pattern(const std::string& any_case_name, const std::string& any_case_pattern) {
    const auto name = platform::folded_name(any_case_name);
    const auto pattern = platform::folded_name(any_case_pattern);
    // Greedy matching with one point to return to after the last star.
    std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

Result<Path> first_source_folder(ModelKind kind, const Settings& settings) {
    const Path stored(settings.read("lastpath", facts(kind).last_folder_key).value_or(""));
    if (!stored.empty() && platform::is_listable_folder(stored))
        return Path(platform::native_path(stored));
    const auto game = game_directory();
    Result<Path> folder = Path();
    if (game && !game->empty() && platform::is_listable_folder(*game))
        folder = Path(platform::native_path(*game));
    return std::move(folder.after(game));
}

std::vector<std::string> source_subfolders(const Path& folder) {
    std::vector<std::string> names;
    for (auto& entry : platform::list_folder(folder)) {
        if (entry.is_folder && !entry.is_hidden && !entry.is_system)
            names.push_back(std::move(entry.name));
    }
    return names;
}

std::vector<std::string> source_files(const Path& folder, const std::string& pattern) {
    std::vector<std::string> names;
    for (auto& entry : platform::list_folder(folder)) {
        if (!entry.is_folder && !entry.is_hidden && !entry.is_system &&
            matches_pattern(entry.name, pattern))
            names.push_back(std::move(entry.name));
    }
    return names;
}

} // namespace core
