#pragma once

#include "library/result.h"

#include <string>
#include <vector>

// The set lists pbackup.txt and wbackup.txt in the program folder: one backup set name a line,
// in the order the sets were made.
namespace library {

// Where the player and the weapon set lists lie: in the program folder.
std::string player_set_list();
std::string weapon_set_list();

// Appends the name and CR LF, creating the file when it is missing.
Result append_set_name(const std::string& set_list, const std::string& set_name);

// The names in file order. A list that does not exist yet holds no names; one that cannot be read
// is reported to the user and read as empty.
std::vector<std::string> read_set_names(const std::string& set_list);

} // namespace library
