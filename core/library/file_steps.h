#pragma once

#include "core/library/undo.h"
#include "core/result.h"

// The steps that put files into the library, worded for the user when they fail. What a step
// makes is listed for undoing.
namespace core {

// One folder level, whose parent exists.
Result<> make_folder(const Path& folder, Undo& undo);

// A new file, a whole copy of another, under a name that must not exist yet.
Result<> copy_whole_file(const Path& from, const Path& to, Undo& undo);

} // namespace core
