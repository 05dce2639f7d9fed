#include "platform/console.h"

// Linux has no per-process console to hide: a viewer writes to the terminal Tessary was started
// from, if any.
namespace platform {

bool set_up_console(const std::string&) {
    return false;
}

void release_console() {}

} // namespace platform
