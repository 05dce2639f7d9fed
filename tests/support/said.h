#pragma once

#include "platform/result.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// What an operation told the user, in English: its first message, or nothing when it succeeded.
template <typename T> std::string said(const platform::Result<T>& result) {
    return result ? std::string() : platform::english(result.messages().at(0));
}

// The messages in English, in order.
inline std::vector<std::string> texts(const platform::Messages& messages) {
    std::vector<std::string> english;
    for (const auto& message : messages)
        english.push_back(platform::english(message));
    return english;
}

// In tests a message is what it reads as in English: in comparisons and in an assertion's output.
namespace platform::message_values {
inline bool operator==(const Message& message, std::string_view text) {
    return english(message) == text;
}
inline std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << english(message);
}
} // namespace platform::message_values

// Whether a text holds the part; a failure shows both. (The Windows build has no GoogleMock.)
inline testing::AssertionResult holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << '"' << text << "\" does not hold \"" << part << '"';
}
