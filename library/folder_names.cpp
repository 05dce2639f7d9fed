#include "library/folder_names.h"

#include <algorithm>

namespace library {

std::string folder_name_problem(const std::string& name) {
    if (name.empty())
        return "it is empty";
    if (name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return "it holds one of the characters \\ / : * ? \" < > |";
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return "it holds a control character";
    if (name == "." || name == "..")
        return "it is \".\" or \"..\"";
    if (name.back() == '.' || name.back() == ' ')
        return "it ends in a dot or a blank";
    return {};
}

} // namespace library
