#pragma once

#include "platform/message.h"

#include <utility>

namespace archive {

// A message of the archive reader's, translated among its words.
template <typename... Arguments>
platform::Message said(const char* text, Arguments&&... arguments) {
    return platform::message("archive", text, std::forward<Arguments>(arguments)...);
}

} // namespace archive
