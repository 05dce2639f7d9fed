#pragma once

#include "library/result.h"

#include <string>

namespace library {

// Puts the file at source in place of the game's file at target, so that the target becomes a
// byte-for-byte copy of the source. The game's file is never lost: the source is checked before
// the target is touched, and the old file is only moved aside until the copy has succeeded. A
// target that does not exist yet is created, provided its folder exists.
Result replace_game_file(const std::string& source, const std::string& target);

} // namespace library
