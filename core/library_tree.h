#pragma once

#include "core/result.h"
#include "core/settings.h"

// The library tree under the program folder: "models", its "player" and "weapon" branches, a
// folder per weapon name and per player type, and the hostage and scientist folders.
namespace core {

// Creates the whole tree from the two name lists, all or nothing: the lists are checked first,
// and the tree is made under a hidden name and then renamed into place, so a failure leaves no
// "models" folder and the next start tries again.
Result<> create_library_tree();

// What a start does before the main window shows: records the program folder under "install
// path" unless a folder is recorded already, and makes the library tree when the program folder
// has no "models" yet.
Result<> start_up(Settings& settings);

} // namespace core
