#include "archive/shown_names.h"

#include "platform/utf8.h"

#include <cstdio>

namespace archive {

namespace {

// C1 control characters, and the marks, embeddings, overrides and isolates of bidirectional text.
bool is_invisible_control(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string shown_name(std::string_view name) {
    if (name.empty())
        return "\"\"";
    std::string shown;
    for (std::size_t at = 0; at < name.size();) {
        if (shown.size() >= shown_length)
            return shown + "\xE2\x80\xA6";
        const auto start = at;
        char32_t c = 0;
        if (!platform::decode_utf8(name, at, c))
            shown += escaped("\\x%02X", static_cast<unsigned char>(name[at++]));
        else if (c < 0x20 || c == 0x7F)
            shown += escaped("\\x%02X", static_cast<unsigned>(c));
        else if (is_invisible_control(c))
            shown += escaped("\\u%04X", static_cast<unsigned>(c));
        else
            shown.append(name.substr(start, at - start));
    }
    return shown;
}

} // namespace archive
