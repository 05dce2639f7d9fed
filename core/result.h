#pragma once

#include "platform/path.h"
#include "platform/result.h"

#include <utility>

// The words the library speaks in: results, paths and messages.
namespace core {

using platform::Done;
using platform::fail;
using platform::Failure;
using platform::Message;
using platform::Messages;
using platform::Path;
using platform::Result;

// A message of the core's, translated among its words.
template <typename... Arguments> Message said(const char* text, Arguments&&... arguments) {
    return platform::message("core", text, std::forward<Arguments>(arguments)...);
}

// The same, with words that follow the count in its plural forms, %n in them.
template <typename... Arguments>
Message said_n(const char* text, std::int64_t count, Arguments&&... arguments) {
    return platform::counted_message("core", text, count, std::forward<Arguments>(arguments)...);
}

} // namespace core
