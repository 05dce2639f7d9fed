#pragma once

#include "core/result.h"

// The model viewer mdl.exe of the program folder, and the hidden console that the windows with a
// Preview button hold while they are open, so that a console viewer has somewhere to write.
namespace core {

// Opens a model file in the viewer and returns once the viewer has been closed. A viewer that is
// missing or cannot start does nothing.
void preview_model(const Path& model);

// Sets the console up. True when one was set up and hidden: the window shows itself at once, as
// the console took the focus from it.
Result<bool> hold_console();

void release_console();

} // namespace core
