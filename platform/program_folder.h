#pragma once

#include <string>

namespace platform {

// The folder that holds the executable, as the platform reports it, without a trailing
// separator. The program's own files are addressed by appending pieces such as "\models".
const std::string& program_folder();

// Points the program folder elsewhere; tests use it to work in a temporary folder.
void set_program_folder(std::string folder);

} // namespace platform
