#pragma once

#include "core/result.h"

#include <optional>

// Finding the game among the user's Steam libraries.
namespace core {

// The folder that holds the game's cstrike folder in a Steam library (<library>/steamapps/common/
// <installdir>), in its native form; nothing when no library holds the game. Every Steam install
// of the user is searched, each with every library it lists. Nothing is cached.
std::optional<Path> find_steam_game_directory();

} // namespace core
