#include "platform/code_pages.h"

#include <cstdlib>

#include <iconv.h>

namespace platform {

namespace {

// A language, in a territory or in any (empty), and its Windows system's code pages.
struct SystemCodePages {
    std::string_view language, territory;
    unsigned ansi, oem;
};

constexpr SystemCodePages system_code_pages[] = {
    {"zh", "TW", 950, 950},  {"zh", "HK", 950, 950}, {"zh", "MO", 950, 950},
    {"zh", "", 936, 936},    {"ja", "", 932, 932},   {"ko", "", 949, 949},
    {"ru", "", 1251, 866},   {"uk", "", 1251, 866},  {"be", "", 1251, 866},
    {"bg", "", 1251, 866},   {"mk", "", 1251, 866},  {"pl", "", 1250, 852},
    {"cs", "", 1250, 852},   {"sk", "", 1250, 852},  {"hu", "", 1250, 852},
    {"sl", "", 1250, 852},   {"hr", "", 1250, 852},  {"bs", "", 1250, 852},
    {"ro", "", 1250, 852},   {"sq", "", 1250, 852},  {"tr", "", 1254, 857},
    {"az", "", 1254, 857},   {"el", "", 1253, 737},  {"he", "", 1255, 862},
    {"et", "", 1257, 775},   {"lt", "", 1257, 775},  {"lv", "", 1257, 775},
    {"vi", "", 1258, 1258},  {"th", "", 874, 874},   {"en", "GB", 1252, 850},
    {"en", "IE", 1252, 850}, {"ca", "", 1252, 850},  {"da", "", 1252, 850},
    {"de", "", 1252, 850},   {"es", "", 1252, 850},  {"eu", "", 1252, 850},
    {"fi", "", 1252, 850},   {"fr", "", 1252, 850},  {"ga", "", 1252, 850},
    {"gl", "", 1252, 850},   {"is", "", 1252, 850},  {"it", "", 1252, 850},
    {"lb", "", 1252, 850},   {"nb", "", 1252, 850},  {"nl", "", 1252, 850},
    {"nn", "", 1252, 850},   {"no", "", 1252, 850},  {"pt", "", 1252, 850},
    {"sv", "", 1252, 850},
};
constexpr SystemCodePages any_other{"", "", 1252, 437};

const SystemCodePages& users_code_pages() {
    std::string_view locale;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    // language[_territory][.codeset][@modifier]
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto underscore = locale.find('_');
    const auto language = locale.substr(0, underscore);
    const auto territory =
        underscore == std::string_view::npos ? std::string_view() : locale.substr(underscore + 1);
    for (const auto& known : system_code_pages) {
        if (known.language == language && (known.territory.empty() || known.territory == territory))
            return known;
    }
    return any_other;
}

} // namespace

unsigned ansi_code_page() {
    return users_code_pages().ansi;
}

unsigned oem_code_page() {
    return users_code_pages().oem;
}

std::optional<std::string> from_code_page(std::string_view bytes, unsigned code_page) {
    const auto converter = iconv_open("UTF-8", ("CP" + std::to_string(code_page)).c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in_bytes(bytes);
    std::string text(bytes.size() * 4, '\0'); // a byte or two of any of them give at most 4
    char* in = in_bytes.data();
    char* out = text.data();
    std::size_t in_left = in_bytes.size(), out_left = text.size();
    const auto converted = iconv(converter, &in, &in_left, &out, &out_left);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1))
        return std::nullopt;
    text.resize(text.size() - out_left);
    return text;
}

} // namespace platform
