#include "core/library/folder_names.h"

#include "platform/names.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace core {

namespace {

// The longest name a file system of the home platform takes, in bytes.
constexpr std::size_t longest_name = 255;

// Names the home platform keeps for its devices, with or without an extension.
bool is_device_name(const std::string& name) {
    static constexpr std::array<std::string_view, 4> devices{"CON", "PRN", "AUX", "NUL"};
    const std::string_view stem = std::string_view(name).substr(0, name.find('.'));
    const std::string word = platform::folded_name(stem);
    if (std::find(devices.begin(), devices.end(), word) != devices.end())
        return true;
    return word.size() == 4 && (word.starts_with("COM") || word.starts_with("LPT")) &&
           word[3] >= '1' && word[3] <= '9';
}

} // namespace

std::string folder_name_problem(const std::string& name) {
    if (name.empty())
        return "it is empty";
    if (name.size() > longest_name)
        return "it is longer than " + std::to_string(longest_name) + " bytes";
    if (name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return "it holds one of the characters \\ / : * ? \" < > |";
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return "it holds a control character";
    if (name == "." || name == "..")
        return "it is \".\" or \"..\"";
    if (name.back() == '.' || name.back() == ' ')
        return "it ends in a dot or a blank";
    if (is_device_name(name))
        return "it is a name Windows keeps for a device";
    return {};
}

} // namespace core
