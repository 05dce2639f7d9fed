#pragma once

#include "core/library/library.h"

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

// What to do when a companion that a library file names is not in its model folder: an install
// is refused, while a backup set, which holds the companions the game had, puts back those it has.
enum class MissingCompanion { refuse, pass_over };

// Adds the replacement of a game file of the model's player type or weapon by the model's file of
// that name, and of each companion the model's file names by the model's own.
Result<> add_replacements(std::vector<Replacement>& replacements, const Library& library,
                          const LibraryModel& model, const std::string& file,
                          const Path& game_directory, MissingCompanion missing);

} // namespace core
