#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
};

// Splits a command line as the home platform does when it starts one. The program is the first
// token: a quoted one ends at its closing quote; an unquoted one that holds blanks is tried
// prefix by prefix, left to right, and the first that names an existing file (is_file, also
// with ".exe" appended where it has no extension) is taken. The arguments follow the platform's
// quoting rules (backslashes count only before a double quote).
CommandLine split_command_line(const std::string& line,
                               const std::function<bool(const std::string&)>& is_file);

} // namespace platform
