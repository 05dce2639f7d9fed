#include "platform/names.h"

#include <cwctype>

#include <locale.h>

namespace platform {

char32_t capital(char32_t code_point) {
    // Letter case does not depend on the user's locale: the file systems' rule is the same for
    // everyone.
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (!unicode)
        return code_point >= 'a' && code_point <= 'z' ? code_point - 'a' + 'A' : code_point;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(code_point), unicode));
}

} // namespace platform
