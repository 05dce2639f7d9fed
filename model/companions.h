#pragma once

#include <string>
#include <string_view>

// How a model's companion files are named after it: "gign.mdl" has the texture file "gignT.mdl"
// and the sequence group files "gign01.mdl", "gign02.mdl" and so on.
namespace model {

// The name the companions are named after: the main file's name without its folder and ".mdl".
std::string companion_stem(std::string_view name);

std::string texture_file_name(const std::string& stem);
std::string group_file_name(const std::string& stem, int group);

// The file name of the model a group file belongs to ("hostage01.mdl" gives "hostage.mdl"), from
// the group file's name or path; empty for a name without the two digits.
std::string group_file_owner(std::string_view name);

} // namespace model
