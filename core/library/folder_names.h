#pragma once

#include <string>

namespace core {

// Why a name cannot be a folder name on the system's home platform; empty when it can be one.
std::string folder_name_problem(const std::string& name);

// What the user is told when a model or set name cannot be a folder name.
inline constexpr char folder_name_rule[] =
    "A name cannot hold any of the characters \\ / : * ? \" < > | or a control character, "
    "cannot be \".\", \"..\" or a name Windows keeps for a device, such as CON, NUL, COM1 or "
    "LPT1, even with an extension, cannot be longer than 255 bytes, and cannot end in a dot or a "
    "blank.";

} // namespace core
