#include "platform/console.h"

// Linux has no per-process console to hide: a viewer writes to the terminal Tessary was started
// from, if any.
namespace platform {

Result<bool> set_up_console() {
    return false;
}

void release_console() {}

} // namespace platform
