#pragma once

#include "platform/path.h"

namespace platform {

// The folder that holds the executable, as the platform reports it, without a trailing
// separator. The program's own files are addressed from it: its "models", its name lists.
const Path& program_folder();

// Points the program folder elsewhere; tests use it to work in a temporary folder.
void set_program_folder(Path folder);

} // namespace platform
