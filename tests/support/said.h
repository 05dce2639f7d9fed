#pragma once

#include "platform/result.h"

#include <gtest/gtest.h>

#include <string>

// What an operation told the user: its first message, or nothing when it succeeded.
template <typename T> std::string said(const platform::Result<T>& result) {
    return result ? std::string() : result.messages().at(0);
}

// Whether a text holds the part; a failure shows both. (The Windows build has no GoogleMock.)
inline testing::AssertionResult holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << '"' << text << "\" does not hold \"" << part << '"';
}
