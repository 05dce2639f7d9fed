#pragma once

#include <string>

// Putting a backup set back into the game, file by file over the game's own files.
namespace library {

// Replaces the game files of the nine player types, hostage and scientist with the set's files.
// Every set file is looked for before the first game file is touched. True when all were put
// back; otherwise the user has been told why and the restore stopped there.
bool restore_player_set(const std::string& set_name);

// Replaces, weapon by weapon, each game file of which the set holds a copy; the others stay as
// they are. True when all were put back.
bool restore_weapon_set(const std::string& set_name);

} // namespace library
