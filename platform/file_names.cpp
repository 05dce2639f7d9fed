#include "platform/file_names.h"

#include "platform/names.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

// Names Windows keeps for its devices, with or without an extension and blanks before it: CON,
// PRN, AUX, NUL, CONIN$, CONOUT$, and COM and LPT followed by a digit, a superscript ¹, ² or ³
// among them.
bool is_device_name(std::string_view name) {
    auto stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    const std::string word = folded_name(stem);
    static constexpr std::array<std::string_view, 6> devices{"CON", "PRN",    "AUX",
                                                             "NUL", "CONIN$", "CONOUT$"};
    if (std::find(devices.begin(), devices.end(), word) != devices.end())
        return true;
    if (!word.starts_with("COM") && !word.starts_with("LPT"))
        return false;
    const auto digit = std::string_view(word).substr(3);
    static constexpr std::array<std::string_view, 3> superscripts{"\xC2\xB9", "\xC2\xB2",
                                                                  "\xC2\xB3"};
    return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') ||
           std::find(superscripts.begin(), superscripts.end(), digit) != superscripts.end();
}

} // namespace

std::optional<Message> file_name_problem(std::string_view name) {
    if (name.empty())
        return said("it is empty");
    if (name.size() > longest_file_name)
        return said("it is longer than %1 bytes", longest_file_name);
    if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos)
        return said("it holds one of the characters \\ / : * ? \" < > |");
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return said("it holds a control character");
    if (name == "." || name == "..")
        return said("it is \".\" or \"..\"");
    if (name.back() == '.' || name.back() == ' ')
        return said("it ends in a dot or a blank");
    if (is_device_name(name))
        return said("it is a name Windows keeps for a device");
    return std::nullopt;
}

} // namespace platform
