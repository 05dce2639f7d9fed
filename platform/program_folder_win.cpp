#include "platform/program_folder.h"
#include "platform/utf16_win.h"

#include <windows.h>

#include <string>

namespace platform {

Path executable_folder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const auto slash = buffer.find_last_of(L'\\');
    return Path(narrowed(slash == std::wstring::npos ? buffer : buffer.substr(0, slash)));
}

} // namespace platform
