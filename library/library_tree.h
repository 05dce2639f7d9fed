#pragma once

// The library tree under the program folder: "models", its "player" and "weapon" branches, a
// folder per weapon name and per player type, and the hostage and scientist folders.
namespace library {

// Creates the whole tree from the two name lists. The lists are checked first, so a bad list
// creates nothing; a failure is reported to the user and stops the creation.
void create_library_tree();

} // namespace library
