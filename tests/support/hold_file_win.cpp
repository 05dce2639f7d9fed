// Another program, as the tests need one on Windows: given a file and a time in milliseconds, it
// holds the file open without sharing it for that long, as a virus scan or a backup may; given
// nothing, it runs until it is ended, as a game started from its folder. It writes "ready" to its
// output once it holds the file, or once it runs.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    HANDLE held = INVALID_HANDLE_VALUE;
    DWORD milliseconds = INFINITE;
    if (count == 3) {
        held = CreateFileW(arguments[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return 1;
        milliseconds = static_cast<DWORD>(std::wcstoul(arguments[2], nullptr, 10));
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "ready", 5, &written, nullptr);
    Sleep(milliseconds);
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    return 0;
}
