#include "platform/code_pages.h"

#include "platform/utf16_win.h"

#include <windows.h>

namespace platform {

unsigned ansi_code_page() {
    return GetACP();
}

unsigned oem_code_page() {
    return GetOEMCP();
}

std::optional<std::string> from_code_page(std::string_view bytes, unsigned code_page) {
    if (bytes.empty())
        return std::string();
    const int size = static_cast<int>(bytes.size());
    const int wide_size =
        MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wide_size <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(),
                        wide_size);
    return narrowed(wide);
}

} // namespace platform
