#include "platform/process.h"

#include "platform/file_system.h"
#include "platform/utf16_win.h"

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

// How long a wait for a program lasts between two calls of its while_running, in milliseconds.
constexpr DWORD wait_step = 20;

// An argument as the programs' start-up code splits a command line: in quotes where it holds a
// blank or a quote, with the backslashes before a quote, or before the closing one, doubled.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L'"';
}

// Starts the program; CreateProcessW may write into the command line it is given.
bool start(const Command& command, bool inherit_handles, DWORD flags,
           PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    const std::wstring program = widened(native_path(command.program));
    std::wstring line = quoted(program);
    for (const auto& file : command.files)
        line += L' ' + quoted(widened(native_path(file)));
    return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, inherit_handles, flags,
                          nullptr, nullptr, &startup, &process);
}

} // namespace

bool run_and_wait(const Command& command, const std::function<void()>& while_running) {
    // A console viewer writes to the console this process holds, inheriting its handles; without
    // one it runs without a console window. A start that failed returns at once.
    const bool holds_console = GetConsoleCP() != 0;
    PROCESS_INFORMATION process{};
    if (!start(command, holds_console, holds_console ? 0 : CREATE_NO_WINDOW, process))
        return false;
    if (!while_running)
        WaitForSingleObject(process.hProcess, INFINITE);
    while (while_running && WaitForSingleObject(process.hProcess, wait_step) == WAIT_TIMEOUT)
        while_running();
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

bool start_program(const Command& command) {
    PROCESS_INFORMATION process{};
    if (!start(command, false, 0, process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

namespace {

// Paths compared as the file systems compare names: without regard to case.
std::wstring folded(std::wstring text) {
    if (!text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The full path of a running process's executable; empty where it may not be asked.
std::wstring executable_of(DWORD process_id) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    if (!process)
        return {};
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    const bool named = QueryFullProcessImageNameW(process, 0, path.data(), &length);
    CloseHandle(process);
    path.resize(named ? length : 0);
    return path;
}

} // namespace

std::vector<std::string> programs_running_from(const Path& folder) {
    std::vector<std::string> programs;
    const auto resolved = resolved_folder(folder);
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (!resolved || snapshot == INVALID_HANDLE_VALUE)
        return programs;
    std::wstring inside = folded(widened(*resolved));
    if (!inside.ends_with(L'\\'))
        inside += L'\\';
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        const auto executable = executable_of(entry.th32ProcessID);
        if (executable.empty() || !folded(executable).starts_with(inside))
            continue;
        const auto name =
            narrowed(std::wstring_view(executable).substr(executable.find_last_of(L'\\') + 1));
        if (std::find(programs.begin(), programs.end(), name) == programs.end())
            programs.push_back(name);
    }
    CloseHandle(snapshot);
    return programs;
}

} // namespace platform
