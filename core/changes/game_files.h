#pragma once

#include "core/library/library.h"
#include "platform/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace core {

// What to do when a companion that a library file names is not in its model folder: an install
// is refused, while a backup set, which holds the companions the game had, puts back those it has.
enum class MissingCompanion { refuse, pass_over };

// One file of a library model, or of a backup set, to put over the game's file of that name.
struct FileToPut {
    LibraryModel model;
    std::string file;
};

// Replaces, all or nothing, each game file of a model's player type or weapon by the model's file
// of that name, and each companion that file names by the model's own; `what` names the operation
// in the journal.
Result<> put_into_game(const Library& library, const std::vector<FileToPut>& files,
                       MissingCompanion missing, std::string_view what);

} // namespace core
