#pragma once

#include "platform/result.h"

// The hidden console that each window with a Preview button holds while it is open, so that a
// console viewer started from it has somewhere to write without a console window popping up.
namespace platform {

// Allocates the console and hides its window. True when a console was set up and hidden: the
// window then shows itself at once, as the console's appearance took the focus from it. False
// where the platform has no consoles to hide.
Result<bool> set_up_console();

// Gives the console up again.
void release_console();

} // namespace platform
