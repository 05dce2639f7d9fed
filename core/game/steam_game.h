#pragma once

#include <optional>
#include <string>

// Finding the game among the user's Steam libraries.
namespace core {

// The folder that holds the game's cstrike folder in a Steam library (<library>/steamapps/common/
// <installdir>), as a native path; nothing when no library holds the game. Every Steam install
// of the user is searched, each with every library it lists. Nothing is cached.
std::optional<std::string> find_steam_game_directory();

} // namespace core
