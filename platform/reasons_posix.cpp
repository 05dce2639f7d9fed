#include "platform/reasons.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace platform {

namespace {

// Text in the locale's character set, in UTF-8; nothing where it cannot be turned.
std::string to_utf8(std::string_view text, const char* codeset) {
    const std::string_view from = codeset;
    if (from == "UTF-8" || from == "ANSI_X3.4-1968")
        return std::string(text);
    const iconv_t turn = iconv_open("UTF-8", codeset);
    if (turn == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string result(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    char* out = result.data();
    std::size_t out_left = result.size();
    const bool turned = iconv(turn, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1);
    iconv_close(turn);
    if (!turned)
        return {};
    result.resize(result.size() - out_left);
    return result;
}

struct LocaleFreer {
    void operator()(locale_t locale) const { freelocale(locale); }
};

} // namespace

std::string reason(const std::error_code& error) {
    if (error.category() != std::generic_category() && error.category() != std::system_category())
        return error.message();
    // The user's locale as the environment names it, whatever the process set for itself.
    const std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFreer> user(
        newlocale(LC_ALL_MASK, "", locale_t{}));
    if (!user)
        return error.message();
    auto words = to_utf8(strerror_l(error.value(), user.get()), nl_langinfo_l(CODESET, user.get()));
    return words.empty() ? error.message() : words;
}

} // namespace platform
