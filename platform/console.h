#pragma once

#include "platform/result.h"

// The console without a window that each window with a Preview button holds while it is open, so
// that a console viewer started from it has somewhere to write without a console window popping
// up.
namespace platform {

// Allocates the console where the platform can make one without a window. True when the
// console's appearance took the focus from the window, which then shows itself at once; false
// where no console window appeared, or no console was made.
Result<bool> set_up_console();

// Gives the console up again.
void release_console();

} // namespace platform
