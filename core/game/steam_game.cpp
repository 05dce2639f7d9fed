#include "core/game/steam_game.h"

#include "core/game/key_values.h"
#include "core/game/steam_library.h"
#include "core/result.h"
#include "platform/file_system.h"
#include "platform/steam_roots.h"

#include <algorithm>
#include <vector>

namespace core {

namespace {

constexpr std::uint64_t game_app_id = 10;

// The file's text, when it is an ordinary file of a size the reader takes.
std::optional<std::string> read_text(const Path& file) {
    auto text = platform::read_file(file, key_values_max_size);
    if (!text)
        return std::nullopt;
    return std::move(text).value();
}

// Adds the resolved folder unless it is there already; false when it was.
bool add_once(std::vector<std::string>& folders, const std::string& resolved) {
    if (std::find(folders.begin(), folders.end(), resolved) != folders.end())
        return false;
    folders.push_back(resolved);
    return true;
}

// Each Steam install's own library, followed by those it lists, each once, as resolved folders.
// A library is a folder that holds steamapps (SteamApps for old installs, which the case-blind
// lookup finds too). A listed folder that is missing here is passed over, as a library on a
// removed drive is. That includes the way a Flatpak install lists its own root (as the sandbox
// sees it): the root is searched anyway.
std::vector<std::string> steam_libraries() {
    std::vector<std::string> roots;
    std::vector<std::string> libraries;
    const auto add_library = [&libraries](const std::string& resolved) {
        if (platform::resolved_folder(Path(resolved) / "steamapps"))
            add_once(libraries, resolved);
    };
    for (const auto& root : platform::steam_roots()) {
        const auto resolved_root = platform::resolved_folder(Path(root));
        if (!resolved_root || !add_once(roots, *resolved_root))
            continue;
        add_library(*resolved_root);
        for (const auto& list : {Path(*resolved_root) / "config" / "libraryfolders.vdf",
                                 Path(*resolved_root) / "steamapps" / "libraryfolders.vdf"}) {
            const auto text = read_text(list);
            for (const auto& folder :
                 text ? listed_library_folders(*text) : std::vector<std::string>()) {
                if (const auto resolved = platform::resolved_folder(Path(folder)))
                    add_library(*resolved);
            }
        }
    }
    return libraries;
}

// The game's folder in the library, when its manifest names one that holds cstrike.
std::optional<InstalledCopy> installed_copy(const std::string& library) {
    const auto text = read_text(Path(library) / "steamapps" / "appmanifest_10.acf");
    auto manifest = text ? read_app_manifest(*text) : std::nullopt;
    if (!manifest || manifest->app_id != game_app_id)
        return std::nullopt;
    // Held in its native form, the folder spells each name as it is on disk, whatever the case in
    // the manifest.
    Path folder(
        platform::native_path(Path(library) / "steamapps" / "common" / manifest->install_folder));
    if (!platform::resolved_folder(folder / "cstrike"))
        return std::nullopt;
    return InstalledCopy{std::move(folder), std::move(*manifest)};
}

} // namespace

std::optional<Path> find_steam_game_directory() {
    std::vector<InstalledCopy> copies;
    for (const auto& library : steam_libraries()) {
        if (auto copy = installed_copy(library))
            copies.push_back(std::move(*copy));
    }
    const InstalledCopy* chosen = choose_installed_copy(copies);
    if (!chosen)
        return std::nullopt;
    return chosen->folder;
}

} // namespace core
