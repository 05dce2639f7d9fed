#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Steam's files as Steam writes them, for tests that lay out Steam installs and libraries.
namespace steam_layout {

// The game in a library, which it makes if need be: its manifest (appmanifest_10.acf, of that
// app) naming the install folder, and that folder with a cstrike folder in it. The game's folder
// is given back.
std::filesystem::path install_game(const std::filesystem::path& library,
                                   const std::string& install_folder = "Half-Life",
                                   std::uint64_t state_flags = 4,
                                   std::uint64_t last_updated = 1701388800,
                                   const std::string& app_id = "10");

// A libraryfolders.vdf text that lists the folders, in the form since 2021 (numbered objects
// with a path, from "0") or the older one (numbered paths, from "1").
std::string library_list(const std::vector<std::filesystem::path>& folders, bool old_form = false);

} // namespace steam_layout
