#include "platform/reasons.h"

#include "platform/utf16_win.h"

#include <windows.h>

#include <cwctype>
#include <string_view>

namespace platform {

// The system's message is read as wide text, so that it arrives whole in any language: the 8-bit
// one would be in the user's code page, not in UTF-8.
std::string reason(const std::error_code& error) {
    if (error.category() != std::system_category())
        return error.message();
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&text), 0,
        nullptr);
    if (length == 0)
        return "error " + std::to_string(error.value());
    std::wstring_view words(text, length);
    while (!words.empty() && std::iswspace(words.back()))
        words.remove_suffix(1);
    if (words.ends_with(L'.'))
        words.remove_suffix(1);
    auto narrow = narrowed(words);
    LocalFree(text);
    return narrow;
}

} // namespace platform
