#include "platform/process.h"

#include "platform/utf16_win.h"

#include <windows.h>

namespace platform {

namespace {

// Starts the command line; CreateProcessW may write into the text it is given.
bool start(const std::string& command_line, bool inherit_handles, DWORD flags,
           PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    std::wstring text = widened(command_line);
    return CreateProcessW(nullptr, text.data(), nullptr, nullptr, inherit_handles, flags, nullptr,
                          nullptr, &startup, &process);
}

} // namespace

bool run_and_wait(const std::string& command_line) {
    // A console viewer writes to the console this process holds, inheriting its handles; without
    // one it runs without a console window. A start that failed returns at once.
    const bool holds_console = GetConsoleCP() != 0;
    PROCESS_INFORMATION process{};
    if (!start(command_line, holds_console, holds_console ? 0 : CREATE_NO_WINDOW, process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

bool start_program(const std::string& command_line) {
    PROCESS_INFORMATION process{};
    if (!start(command_line, false, 0, process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

} // namespace platform
