#pragma once

#include "core/result.h"

#include <vector>

namespace core {

// A library file that is to take the place of a game file.
struct Replacement {
    Path source;
    Path target;
};

// Puts each source in place of its game file, so that each target becomes a byte-for-byte copy
// of its source, all or nothing: every source is checked first, then every copy is written beside
// its game file, and only when all are written whole do they take the game files' places, each
// game file kept aside under a hidden name until every one has been replaced. When one cannot be,
// those replaced before it are put back, and the game is as it was. A target that does not exist
// yet is created, provided its folder exists.
Result<> replace_game_files(const std::vector<Replacement>& replacements);

} // namespace core
