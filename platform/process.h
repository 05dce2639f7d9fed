#pragma once

#include "platform/path.h"

#include <functional>
#include <string>
#include <vector>

// Starting outside programs: a program and the files it is handed, each reaching it whole as one
// argument, blanks and all.
namespace platform {

struct Command {
    Path program;
    std::vector<Path> files = {};
};

// Starts the program and returns once it has ended; while it runs, while_running is called every
// few hundredths of a second, for the caller to keep its windows drawn. A program that is
// missing or cannot start returns at once, with false.
bool run_and_wait(const Command& command, const std::function<void()>& while_running = {});

// Starts the program without waiting for it; false when it could not be started.
bool start_program(const Command& command);

// The programs running now whose executable lies in the folder or in a folder within it, by the
// file names of their executables, each name once. On Linux a program that Wine runs counts by
// the Windows executable it runs.
std::vector<std::string> programs_running_from(const Path& folder);

} // namespace platform
