#include "platform/utf8_locale.h"

#include <locale.h>

namespace platform {

Utf8Locale::Utf8Locale() {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (utf8)
        previous_ = uselocale(utf8);
}

Utf8Locale::~Utf8Locale() {
    if (previous_)
        uselocale(static_cast<locale_t>(previous_));
}

} // namespace platform
