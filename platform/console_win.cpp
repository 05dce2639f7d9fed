#include "platform/console.h"

#include <windows.h>

namespace platform {

namespace {
HANDLE stdout_handle = nullptr;
}

Result<bool> set_up_console() {
    if (!AllocConsole())
        return fail("Couldn't allocate console");
    stdout_handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!stdout_handle || stdout_handle == INVALID_HANDLE_VALUE) {
        stdout_handle = nullptr;
        return fail("Couldn't allocate STDOUT");
    }
    ShowWindow(GetConsoleWindow(), SW_HIDE);
    return true;
}

void release_console() {
    if (stdout_handle) {
        CloseHandle(stdout_handle);
        stdout_handle = nullptr;
    }
    FreeConsole();
}

} // namespace platform
