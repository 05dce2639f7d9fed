#pragma once

#include <string>

// The hidden console that each window with a Preview button holds while it is open, so that a
// console viewer started from it has somewhere to write without a console window popping up.
namespace platform {

// Allocates the console and hides its window, whose title is the given one in capitals. Reports
// its own failures. True when the console was set up and hidden; the window then shows itself at
// once, as the console's appearance would otherwise have taken the focus.
bool set_up_console(const std::string& title);

// Gives the console up again.
void release_console();

} // namespace platform
