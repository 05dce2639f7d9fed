#include "platform/message.h"

#include <cstdio>

namespace platform {

std::string filled_in(std::string_view words, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t at = 0; at < words.size(); ++at) {
        std::size_t digits = at + 1;
        while (digits < words.size() && words[digits] >= '0' && words[digits] <= '9')
            ++digits;
        if (words[at] != '%' || digits == at + 1) {
            text += words[at];
            continue;
        }
        const auto place = std::stoul(std::string(words.substr(at + 1, digits - at - 1)));
        if (place >= 1 && place <= values.size())
            text += values[place - 1];
        else
            text.append(words.substr(at, digits - at));
        at = digits - 1;
    }
    return text;
}

std::string english(const Argument& argument) {
    if (const auto* text = std::get_if<std::string>(&argument))
        return *text;
    if (const auto* number = std::get_if<std::int64_t>(&argument))
        return std::to_string(*number);
    if (const auto* decimal = std::get_if<Decimal>(&argument)) {
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.*f", decimal->decimals, decimal->value);
        return digits;
    }
    return english(*std::get<std::shared_ptr<const Message>>(argument));
}

std::string english(const Message& message) {
    std::vector<std::string> values;
    for (const auto& argument : message.arguments)
        values.push_back(english(argument));
    // Counted words are written as "%n line(s)": English drops the "(s)" after one.
    std::string words = message.text;
    if (message.count) {
        const auto count = std::to_string(*message.count);
        for (auto at = words.find("%n"); at != std::string::npos; at = words.find("%n", at))
            words.replace(at, 2, count);
        const std::string_view plural = *message.count == 1 ? "" : "s";
        for (auto at = words.find("(s)"); at != std::string::npos; at = words.find("(s)", at))
            words.replace(at, 3, plural);
    }
    return filled_in(words, values);
}

} // namespace platform
