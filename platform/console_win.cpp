#include "platform/console.h"

#include "platform/message.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace platform {

namespace {
HANDLE stdout_handle = nullptr;
}

bool set_up_console(const std::string& title) {
    if (!AllocConsole()) {
        show_message("Couldn't allocate console");
        return false;
    }
    stdout_handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!stdout_handle || stdout_handle == INVALID_HANDLE_VALUE) {
        stdout_handle = nullptr;
        show_message("Couldn't allocate STDOUT");
        return false;
    }
    std::string window_name = title;
    std::transform(window_name.begin(), window_name.end(), window_name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    ShowWindow(FindWindowA("tty", window_name.c_str()), SW_HIDE);
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
