#pragma once

#include "platform/path.h"

namespace platform {

// The folder that holds the running executable, without a trailing separator: the program folder,
// in which Tessary keeps its library and finds the files delivered with it.
Path executable_folder();

} // namespace platform
