#pragma once

#include <functional>
#include <string>

namespace platform {

// Shows a text to the user and returns once it has been read. The user interface installs the
// real one at start-up (a message box with an OK button only); tests install a recorder.
using MessageFunction = std::function<void(const std::string& text)>;

void install_message_function(MessageFunction function);

// The one way the core reports to the user. Without an installed function the text goes to
// standard error, so nothing is ever dropped silently.
void show_message(const std::string& text);

} // namespace platform
