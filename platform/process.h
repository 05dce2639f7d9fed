#pragma once

#include <string>

// Starting outside programs from a command line in the home platform's form: the program is the
// first token (an unquoted one with blanks is tried prefix by prefix), the arguments follow.
namespace platform {

// Starts the command line as a new process and blocks, processing nothing, until it has ended.
// A program that is missing or cannot start returns at once, with false.
bool run_and_wait(const std::string& command_line);

// Starts the command line without waiting for it; false when it could not be started.
bool start_program(const std::string& command_line);

} // namespace platform
