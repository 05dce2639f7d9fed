#pragma once

#include "core/model_kinds.h"

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

// Adds the replacement of a game file of the player type or weapon by the file of that name in a
// library model folder, and of each companion the library file names by those in the folder:
// every one must be there, else the install is refused, or for a backup set, which holds the
// companions the game had, those that are there.
Result<> add_replacements(std::vector<Replacement>& replacements, ModelKind kind,
                          const std::string& name, const std::string& model,
                          const std::string& file, const Path& game_directory,
                          bool every_companion);

} // namespace core
