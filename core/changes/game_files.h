#pragma once

#include "core/changes/change_set.h"

#include <string>

namespace core {

// What to do when a companion that a library file names is not in its model folder: an install
// is refused, while a backup set, which holds the companions the game had, puts back those it has.
enum class MissingCompanion { refuse, pass_over };

// Adds to the change the replacement of a game file of the model's player type or weapon by the
// model's file of that name, and of each companion the model's file names by the model's own.
Result<> add_replacements(ChangeSet& changes, const Library& library, const LibraryModel& model,
                          const std::string& file, const Path& game_directory,
                          MissingCompanion missing);

} // namespace core
