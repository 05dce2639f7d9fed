#include "platform/names.h"

#include <windows.h>

namespace platform {

char32_t capital(char32_t code_point) {
    // The invariant locale, as the file systems' own table is the same for everyone; letters
    // beyond the basic plane have no capitals there.
    if (code_point > 0xFFFF)
        return code_point;
    wchar_t in = static_cast<wchar_t>(code_point), out = in;
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &in, 1, &out, 1, nullptr, nullptr,
                      0) != 1)
        return code_point;
    return out;
}

} // namespace platform
