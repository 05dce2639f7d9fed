#pragma once

#include "core/library/library.h"

namespace core {

// What a start does before the main window shows, in this order: finishes or undoes a change to
// the game's or the library's files that a killed run left unfinished, removes what such a run
// took out of archives, records the program folder under "install path" unless a folder is
// recorded already, and makes the library tree when the program folder has no "models" yet. Its
// texts tell the user what was found and done.
Result<> start_up(const Library& library);

} // namespace core
