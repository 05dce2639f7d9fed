#include "platform/console.h"

#include <windows.h>

namespace platform {

namespace {

HANDLE stdout_handle = nullptr;
bool console_held = false;

// AllocConsoleWithOptions and its mode without a window came with Windows 11 24H2; older
// headers and older systems know nothing of them, so the function is looked up at run time.
enum class AllocConsoleMode : int { no_window = 2 };
struct AllocConsoleOptions {
    AllocConsoleMode mode;
    BOOL use_show_window;
    WORD show_window;
};
using AllocConsoleWithOptions = HRESULT(WINAPI*)(AllocConsoleOptions*, int*);

AllocConsoleWithOptions windowless_allocation() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<AllocConsoleWithOptions>(
                        reinterpret_cast<void*>(GetProcAddress(kernel, "AllocConsoleWithOptions")))
                  : nullptr;
}

} // namespace

// A console is held only where it can be made without any window: an allocated console that is
// hidden afterwards still flashes up, and under Windows Terminal opens a tab, each time a
// window opens. Without one, a console viewer gets a console of its own without a window.
Result<bool> set_up_console() {
    const auto allocate = windowless_allocation();
    if (!allocate)
        return false;
    AllocConsoleOptions options{AllocConsoleMode::no_window, FALSE, 0};
    int outcome = 0;
    if (FAILED(allocate(&options, &outcome)))
        return fail(said("Couldn't allocate console"));
    console_held = true;
    stdout_handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!stdout_handle || stdout_handle == INVALID_HANDLE_VALUE) {
        stdout_handle = nullptr;
        return fail(said("Couldn't allocate STDOUT"));
    }
    return false;
}

void release_console() {
    if (stdout_handle) {
        CloseHandle(stdout_handle);
        stdout_handle = nullptr;
    }
    if (console_held)
        FreeConsole();
    console_held = false;
}

} // namespace platform
