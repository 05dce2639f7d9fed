#pragma once

#include "core/result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What Steam's own files say about its libraries and the apps installed in them. Text in, values
// out: the files are read elsewhere.
namespace core {

// More libraries than any machine has drives; a longer list is cut short there.
inline constexpr std::size_t max_listed_libraries = 64;

// The library folders a libraryfolders.vdf text lists, in its order: in the old form each
// numbered entry's text, in the new one (since 2021) each numbered object's "path". Other
// entries, empty paths and paths that are not absolute are passed over.
std::vector<std::string> listed_library_folders(std::string_view text);

// The fields of an appmanifest_<id>.acf text that tell where the app is and how complete it is.
// A number that is missing or not a decimal number reads as 0.
struct AppManifest {
    std::uint64_t app_id = 0;
    std::string install_folder;     // "installdir": a folder name under steamapps/common
    std::uint64_t state_flags = 0;  // "StateFlags"
    std::uint64_t last_updated = 0; // "LastUpdated", in seconds since 1970
};

inline constexpr std::uint64_t fully_installed_flag = 4;

// Nothing when the text is not an app manifest, or names no install folder that is a single
// folder name (no separator, drive or "..").
std::optional<AppManifest> read_app_manifest(std::string_view text);

// A game folder a library holds, and its manifest.
struct InstalledCopy {
    Path folder;
    AppManifest manifest;
};

// The copy to use when several libraries hold the game: a fully installed one before any other,
// then the most recently updated, then the first found.
const InstalledCopy* choose_installed_copy(std::span<const InstalledCopy> copies);

} // namespace core
