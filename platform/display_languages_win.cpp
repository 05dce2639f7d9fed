#include "platform/display_languages.h"

#include "platform/utf16_win.h"

#include <algorithm>

#include <windows.h>

namespace platform {

std::vector<std::string> display_languages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return {};
    // Names one after the other, each ending in a NUL, the last in two: "ru-RU", "zh-CN".
    std::vector<std::string> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const auto end = names.find(L'\0', at);
        std::string name = narrowed(std::wstring_view(names).substr(at, end - at));
        std::ranges::replace(name, '-', '_');
        languages.push_back(std::move(name));
        at = end + 1;
    }
    return languages;
}

} // namespace platform
