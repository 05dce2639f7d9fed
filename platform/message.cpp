#include "platform/message.h"

#include <cstdio>
#include <utility>

namespace platform {

namespace {
MessageFunction& installed_function() {
    static MessageFunction function;
    return function;
}
} // namespace

void install_message_function(MessageFunction function) {
    installed_function() = std::move(function);
}

void show_message(const std::string& text) {
    if (const auto& function = installed_function())
        function(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace platform
