#pragma once

#include <string>
#include <system_error>

namespace platform {

// The reason for a failure in words, in UTF-8: the system's own in the user's language for an
// error the system reported, as its error functions give it (FormatMessageW on Windows, strerror
// in the user's locale on Linux), without the full stop a message ends with.
std::string reason(const std::error_code& error);

} // namespace platform
