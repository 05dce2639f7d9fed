#include "model/field_text.h"

#include "platform/code_pages.h"
#include "platform/utf8.h"

namespace model {

namespace {

constexpr unsigned cyrillic = 1251;

// Central European, Western, Turkish, Baltic and Vietnamese: Latin-script pages that read nearly
// any bytes.
bool reads_nearly_any_bytes(unsigned code_page) {
    return code_page == 1250 || code_page == 1252 || code_page == 1254 || code_page == 1257 ||
           code_page == 1258;
}

bool is_latin_letter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool is_cyrillic_letter(char32_t c) {
    return c >= 0x0400 && c <= 0x04FF;
}

// Punctuation of Windows-1251 that Russian text uses: no-break space, guillemets, dashes, numero.
bool is_cyrillic_punctuation(char32_t c) {
    return c == 0xA0 || c == 0xAB || c == 0xBB || c == 0x2013 || c == 0x2014 || c == 0x2116;
}

// Every character beyond ASCII a Cyrillic letter or its punctuation, and no word of Latin and
// Cyrillic letters mixed, as Latin-1's accented letters read in 1251 would make: "Café" reads
// "Cafй".
bool reads_as_cyrillic(std::string_view text) {
    bool latin_in_word = false, cyrillic_in_word = false;
    char32_t c = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (!platform::decode_utf8(text, at, c))
            return false;
        const bool latin = is_latin_letter(c), letter = latin || is_cyrillic_letter(c);
        if (!letter && c >= 0x80 && !is_cyrillic_punctuation(c))
            return false;
        latin_in_word = letter && (latin_in_word || latin);
        cyrillic_in_word = letter && (cyrillic_in_word || !latin);
        if (latin_in_word && cyrillic_in_word)
            return false;
    }
    return true;
}

} // namespace

std::string field_text(std::string_view bytes, unsigned user_code_page) {
    if (platform::is_utf8(bytes))
        return std::string(bytes);
    const bool cyrillic_first = reads_nearly_any_bytes(user_code_page);
    if (!cyrillic_first) {
        if (auto text = platform::from_code_page(bytes, user_code_page))
            return std::move(*text);
    }
    if (auto text = platform::from_code_page(bytes, cyrillic); text && reads_as_cyrillic(*text))
        return std::move(*text);
    if (cyrillic_first) {
        if (auto text = platform::from_code_page(bytes, user_code_page))
            return std::move(*text);
    }
    std::string latin_1;
    for (const char byte : bytes)
        platform::append_utf8(latin_1, static_cast<unsigned char>(byte));
    return latin_1;
}

std::string field_text(std::string_view bytes) {
    return platform::is_utf8(bytes) ? std::string(bytes)
                                    : field_text(bytes, platform::ansi_code_page());
}

} // namespace model
