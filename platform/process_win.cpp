#include "platform/process.h"

#include <windows.h>

#include <vector>

namespace platform {

namespace {

// CreateProcessA may write into the command line it is given.
std::vector<char> writable(const std::string& command_line) {
    std::vector<char> text(command_line.begin(), command_line.end());
    text.push_back('\0');
    return text;
}

} // namespace

void run_and_wait(const std::string& command_line) {
    // No console of its own is asked for and the handles are inherited, so a console viewer
    // writes to the hidden console of the window that started it. A start that failed leaves no
    // handle, and the wait on it returns at once.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    auto text = writable(command_line);
    CreateProcessA(nullptr, text.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                   nullptr, &startup, &process);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

bool start_program(const std::string& command_line) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    auto text = writable(command_line);
    if (!CreateProcessA(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

} // namespace platform
