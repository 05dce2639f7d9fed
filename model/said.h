#pragma once

#include "platform/message.h"

#include <utility>

namespace model {

// A message of the model reader's, translated among its words.
template <typename... Arguments>
platform::Message said(const char* text, Arguments&&... arguments) {
    return platform::message("model", text, std::forward<Arguments>(arguments)...);
}

} // namespace model
