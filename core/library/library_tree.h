#pragma once

#include "core/library/library.h"

// The library tree under the program folder: "models", its "player" and "weapon" branches, a
// folder per weapon name and per player type, and the hostage and scientist folders.
namespace core {

// Creates the whole tree from the two name lists, all or nothing: the lists are checked first,
// and the tree is made under a hidden name and then renamed into place, so a failure leaves no
// "models" folder and the next start tries again.
Result<> create_library_tree(const Library& library);

// Tessary keeps its library and its set lists in the program folder, so it can only run where it
// may write: a folder unpacked under Program Files, or onto read-only media, is refused with a
// text that says so, before anything else happens.
Result<> check_program_folder(const Library& library);

} // namespace core
