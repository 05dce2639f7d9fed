#include "archive/entry_names.h"

#include "archive/libarchive.h"
#include "platform/utf8.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include <iconv.h>

namespace archive {

namespace {

// A language, in a territory or in any (empty), and its Windows system's OEM code page.
struct LegacyCodePage {
    std::string_view language, territory;
    unsigned code_page;
};

constexpr LegacyCodePage legacy_code_pages[] = {
    {"zh", "TW", 950}, {"zh", "HK", 950}, {"zh", "MO", 950}, {"zh", "", 936}, {"ja", "", 932},
    {"ko", "", 949},   {"ru", "", 866},   {"uk", "", 866},   {"be", "", 866}, {"bg", "", 866},
    {"en", "GB", 850}, {"en", "IE", 850}, {"ca", "", 850},   {"da", "", 850}, {"de", "", 850},
    {"es", "", 850},   {"eu", "", 850},   {"fi", "", 850},   {"fr", "", 850}, {"ga", "", 850},
    {"gl", "", 850},   {"is", "", 850},   {"it", "", 850},   {"lb", "", 850}, {"nb", "", 850},
    {"nl", "", 850},   {"nn", "", 850},   {"no", "", 850},   {"pt", "", 850}, {"sv", "", 850},
};

// The bytes read in the code page, in UTF-8; nothing where they are not text in it.
std::optional<std::string> from_code_page(std::string bytes, unsigned code_page) {
    const auto converter = iconv_open("UTF-8", ("CP" + std::to_string(code_page)).c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string text(bytes.size() * 4, '\0'); // a byte or two of any of them give at most 4
    char* in = bytes.data();
    char* out = text.data();
    std::size_t in_left = bytes.size(), out_left = text.size();
    const auto converted = iconv(converter, &in, &in_left, &out, &out_left);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1))
        return std::nullopt;
    text.resize(text.size() - out_left);
    return text;
}

} // namespace

unsigned legacy_code_page() {
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
    for (const auto& known : legacy_code_pages) {
        if (known.language == language && (known.territory.empty() || known.territory == territory))
            return known.code_page;
    }
    return 437;
}

// libarchive hands such paths over as the archive holds them: entry_path reads them.
void read_legacy_paths(archive_handle*) {}

EntryPath entry_path(archive_entry* entry) {
    const char* text = archive_entry_pathname_utf8(entry);
    if (!text)
        text = archive_entry_pathname(entry); // the bytes as the archive holds them
    if (!text)
        return {};
    // Paths that are UTF-8 already, as archives made on Linux hold them, stay as they are.
    if (platform::is_utf8(text))
        return {text, true};
    if (auto decoded = from_code_page(text, legacy_code_page()))
        return {std::move(*decoded), true};
    return {text, false};
}

} // namespace archive
