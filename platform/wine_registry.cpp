#include "platform/wine_registry.h"

#include "platform/names.h"
#include "platform/utf8.h"

#include <cstddef>

namespace platform {
namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::string_view file_header = "WINE REGISTRY Version 2";

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim_left(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && is_blank(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view trim_right(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && is_blank(s[n - 1]))
        --n;
    return s.substr(0, n);
}

bool only_blanks(std::string_view s) {
    return trim_left(s).empty();
}

int hex_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Key and value names compare as file names do, one UTF-16 unit at a time.
char16_t fold_case(char16_t u) {
    return static_cast<char16_t>(folded_letter(u));
}

// Hands out lines without their line end and without copying; positions can be saved so a value
// that spans lines can give back the lines it could not use.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Hands a code point to `emit` as UTF-16 units; false when `emit` wants no more.
template <typename Emit> bool emit_code_point(char32_t cp, Emit& emit) {
    if (cp < 0x10000)
        return emit(static_cast<char16_t>(cp));
    cp -= 0x10000;
    return emit(static_cast<char16_t>(0xD800 + (cp >> 10))) &&
           emit(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

bool utf8_to_utf16(std::string_view s, std::u16string& out) {
    out.clear();
    auto append = [&out](char16_t u) {
        out.push_back(u);
        return true;
    };
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        if (static_cast<unsigned char>(s[i]) < 0x80)
            out.push_back(static_cast<char16_t>(s[i++]));
        else if (!decode_utf8(s, i, cp) || !emit_code_point(cp, append))
            return false;
    }
    return true;
}

// Key names are read the way Wine reads them (an unknown escape is the character itself, which is
// how "\[" and "\]" get into key names); quoted text only accepts the escapes Wine writes, so
// anything else marks the line as damaged.
enum class EscapeMode { key, quoted };

// Decodes escaped text from s[i] up to the unescaped delimiter, handing each UTF-16 unit to
// `emit`. Returns the index just past the delimiter, or npos if the text is malformed, the
// delimiter never comes or `emit` stopped early.
template <typename Emit>
std::size_t unescape(std::string_view s, std::size_t i, char delimiter, EscapeMode mode,
                     Emit&& emit) {
    const bool strict = mode == EscapeMode::quoted;
    while (i < s.size()) {
        const char c = s[i];
        if (c == delimiter)
            return i + 1;
        if (static_cast<unsigned char>(c) >= 0x80) {
            char32_t cp = 0;
            if (!decode_utf8(s, i, cp) || !emit_code_point(cp, emit))
                return npos;
            continue;
        }
        if (c == '\0')
            return npos;
        ++i;
        char16_t unit = static_cast<char16_t>(c);
        if (c == '\\') {
            if (i == s.size())
                return npos;
            const char e = s[i++];
            switch (e) {
            case 'a':
                unit = u'\a';
                break;
            case 'b':
                unit = u'\b';
                break;
            case 'e':
                unit = 0x1B;
                break;
            case 'f':
                unit = u'\f';
                break;
            case 'n':
                unit = u'\n';
                break;
            case 'r':
                unit = u'\r';
                break;
            case 't':
                unit = u'\t';
                break;
            case 'v':
                unit = u'\v';
                break;
            case 'x': {
                unsigned value = 0;
                int digits = 0;
                for (; digits < 4 && i < s.size() && hex_value(s[i]) >= 0; ++digits)
                    value = value * 16 + static_cast<unsigned>(hex_value(s[i++]));
                if (digits == 0 && strict)
                    return npos;
                unit = digits > 0 ? static_cast<char16_t>(value) : u'x';
                break;
            }
            case '0':
            case '1':
            case '2':
            case '3':
            case '4':
            case '5':
            case '6':
            case '7': {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int k = 0; k < 2 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k)
                    value = value * 8 + static_cast<unsigned>(s[i++] - '0');
                if (strict && value > 0377)
                    return npos;
                unit = static_cast<char16_t>(value);
                break;
            }
            case '\\':
            case '"':
                unit = static_cast<char16_t>(e);
                break;
            default:
                if (strict || e == '\0')
                    return npos;
                if (static_cast<unsigned char>(e) >= 0x80) {
                    --i;
                    continue; // the escaped character is decoded as UTF-8 on the next round
                }
                unit = static_cast<char16_t>(e);
                break;
            }
        }
        if (!emit(unit))
            return npos;
    }
    return npos;
}

std::size_t unescape_into(std::string_view s, std::size_t i, char delimiter, EscapeMode mode,
                          std::u16string& out) {
    out.clear();
    return unescape(s, i, delimiter, mode, [&out](char16_t u) {
        out.push_back(u);
        return true;
    });
}

// Brings a key path into the form used for comparing: case folded, runs of separators collapsed
// and a trailing separator dropped, as Wine does when it splits a path into keys.
void normalize_key_path(std::u16string& path) {
    std::size_t w = 0;
    for (const char16_t u : path) {
        if (u == u'\\' && w > 0 && path[w - 1] == u'\\')
            continue;
        path[w++] = fold_case(u);
    }
    if (w > 0 && path[w - 1] == u'\\')
        --w;
    path.resize(w);
}

// Compares a key line with the wanted paths while decoding it, folding case and collapsing
// separators the same way normalize_key_path does. Most key lines differ from every wanted path
// within a few characters, so they are given up there instead of being decoded in full.
class KeyMatcher {
public:
    explicit KeyMatcher(const std::vector<std::optional<std::u16string>>& wanted)
        : wanted_(wanted), alive_(wanted.size()) {}

    // Replaces `matches` with the indices of the wanted paths the key line names.
    void match(std::string_view key_line, std::vector<std::size_t>& matches) {
        matches.clear();
        length_ = 0;
        pending_separator_ = false;
        alive_count_ = 0;
        for (std::size_t k = 0; k < wanted_.size(); ++k) {
            alive_[k] = wanted_[k].has_value();
            alive_count_ += alive_[k];
        }
        auto push = [this](char16_t u) { return this->push(u); };
        if (alive_count_ == 0 || unescape(key_line, 1, ']', EscapeMode::key, push) == npos)
            return;
        for (std::size_t k = 0; k < wanted_.size(); ++k) {
            if (alive_[k] && wanted_[k]->size() == length_)
                matches.push_back(k);
        }
    }

private:
    bool push(char16_t u) {
        if (u == u'\\') {
            pending_separator_ = true;
            return true;
        }
        if (pending_separator_) {
            pending_separator_ = false;
            if (!compare(u'\\'))
                return false;
        }
        return compare(fold_case(u));
    }

    bool compare(char16_t folded) {
        for (std::size_t k = 0; k < wanted_.size(); ++k) {
            if (alive_[k] && (wanted_[k]->size() <= length_ || (*wanted_[k])[length_] != folded)) {
                alive_[k] = 0;
                --alive_count_;
            }
        }
        ++length_;
        return alive_count_ > 0;
    }

    const std::vector<std::optional<std::u16string>>& wanted_;
    std::vector<unsigned char> alive_;
    std::size_t alive_count_ = 0;
    std::size_t length_ = 0;
    bool pending_separator_ = false;
};

bool equal_folded(std::u16string_view name, std::u16string_view folded) {
    if (name.size() != folded.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (fold_case(name[i]) != folded[i])
            return false;
    }
    return true;
}

bool is_high_surrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool is_low_surrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// What the ANSI registry API would hand out: NUL units stay single 0 bytes, lone surrogates
// have no 8-bit form and become '?'.
std::vector<unsigned char> utf16_to_utf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (is_high_surrogate(u) && i + 1 < units.size() && is_low_surrogate(units[i + 1])) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                                (static_cast<char32_t>(units[i + 1]) - 0xDC00);
            append_utf8(out, cp);
            ++i;
        } else if (is_high_surrogate(u) || is_low_surrogate(u)) {
            out.push_back('?');
        } else {
            append_utf8(out, u);
        }
    }
    return {out.begin(), out.end()};
}

bool is_string_type(std::uint32_t type) {
    return type == reg_sz || type == reg_expand_sz || type == reg_multi_sz;
}

// Parses "xx,xx,..." from s[i] onwards, appending bytes. Returns where the list ends (a trailing
// comma included), or npos on a byte that is not one or two hex digits.
std::size_t parse_hex_list(std::string_view s, std::size_t i, std::vector<unsigned char>& out) {
    while (i < s.size() && hex_value(s[i]) >= 0) {
        unsigned value = static_cast<unsigned>(hex_value(s[i++]));
        if (i < s.size() && hex_value(s[i]) >= 0)
            value = value * 16 + static_cast<unsigned>(hex_value(s[i++]));
        if (i < s.size() && hex_value(s[i]) >= 0)
            return npos;
        out.push_back(static_cast<unsigned char>(value));
        while (i < s.size() && is_blank(s[i]))
            ++i;
        if (i < s.size() && s[i] == ',')
            ++i;
        while (i < s.size() && is_blank(s[i]))
            ++i;
    }
    return i;
}

// Reads the hex bytes starting in `data` and, while a line ends in a backslash, on the lines
// after it. On failure the reader is left where it was, so the lines that were not part of this
// value still get looked at.
std::optional<std::vector<unsigned char>> parse_hex_data(std::string_view data, LineReader& lines) {
    const std::size_t resume = lines.position();
    std::vector<unsigned char> bytes;
    std::string_view rest = data;
    for (;;) {
        std::size_t i = parse_hex_list(rest, 0, bytes);
        if (i == npos)
            break;
        rest = trim_right(rest.substr(i));
        if (rest.empty())
            return bytes;
        std::string_view next;
        if (rest != "\\" || !lines.next(next))
            break;
        rest = trim_left(next);
    }
    lines.rewind(resume);
    return std::nullopt;
}

std::optional<RegistryValue> parse_quoted_data(std::string_view data, std::uint32_t type,
                                               std::u16string& units) {
    const std::size_t end = unescape_into(data, 0, '"', EscapeMode::quoted, units);
    if (end == npos || !only_blanks(data.substr(end)))
        return std::nullopt;
    units.push_back(0);
    return RegistryValue{type, utf16_to_utf8(units)};
}

std::optional<RegistryValue> parse_dword_data(std::string_view data) {
    data = trim_right(data);
    if (data.size() != 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : data) {
        const int digit = hex_value(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    RegistryValue result{reg_dword, {}};
    for (int k = 0; k < 4; ++k)
        result.data.push_back(static_cast<unsigned char>(value >> (8 * k)));
    return result;
}

// "hex(N):" with N in hex; returns the number of characters the tag took, or 0 if it is no tag.
std::size_t parse_hex_type_tag(std::string_view data, std::uint32_t& type) {
    constexpr std::string_view open = "hex(";
    if (!data.starts_with(open))
        return 0;
    std::size_t i = open.size();
    std::uint32_t value = 0;
    const std::size_t first_digit = i;
    for (; i < data.size() && hex_value(data[i]) >= 0; ++i) {
        if (i - first_digit == 8)
            return 0;
        value = value * 16 + static_cast<std::uint32_t>(hex_value(data[i]));
    }
    if (i == first_digit || data.substr(i, 2) != "):")
        return 0;
    type = value;
    return i + 2;
}

std::optional<RegistryValue> parse_hex_value(std::string_view data, std::uint32_t type,
                                             LineReader& lines) {
    auto bytes = parse_hex_data(data, lines);
    if (!bytes)
        return std::nullopt;
    if (!is_string_type(type))
        return RegistryValue{type, std::move(*bytes)};
    std::u16string units;
    units.reserve(bytes->size() / 2);
    for (std::size_t i = 0; i + 1 < bytes->size(); i += 2)
        units.push_back(static_cast<char16_t>((*bytes)[i] | ((*bytes)[i + 1] << 8)));
    RegistryValue result{type, utf16_to_utf8(units)};
    if (bytes->size() % 2 != 0)
        result.data.push_back(bytes->back());
    return result;
}

std::optional<RegistryValue> parse_data(std::string_view data, LineReader& lines,
                                        std::u16string& units) {
    struct QuotedTag {
        std::string_view tag;
        std::uint32_t type;
    };
    static constexpr QuotedTag quoted_tags[] = {
        {"\"", reg_sz},
        {"str:\"", reg_sz},
        {"str(2):\"", reg_expand_sz},
        {"str(7):\"", reg_multi_sz},
    };
    for (const auto& [tag, type] : quoted_tags) {
        if (data.starts_with(tag))
            return parse_quoted_data(data.substr(tag.size()), type, units);
    }
    if (data.starts_with("dword:"))
        return parse_dword_data(data.substr(6));
    if (data.starts_with("hex:"))
        return parse_hex_value(data.substr(4), reg_binary, lines);
    std::uint32_t type = 0;
    if (const std::size_t tag_size = parse_hex_type_tag(data, type))
        return parse_hex_value(data.substr(tag_size), type, lines);
    return std::nullopt;
}

// `line` starts with '@' or '"'. Only the name is decoded unless it is the one asked for.
std::optional<RegistryValue> parse_value_line(std::string_view line, LineReader& lines,
                                              std::u16string_view wanted_name,
                                              std::u16string& buffer) {
    std::size_t i = 1;
    if (line.front() == '@') {
        buffer.clear();
    } else {
        i = unescape_into(line, 1, '"', EscapeMode::quoted, buffer);
        if (i == npos)
            return std::nullopt;
    }
    if (!equal_folded(buffer, wanted_name))
        return std::nullopt;
    std::string_view data = trim_left(line.substr(i));
    if (data.empty() || data.front() != '=')
        return std::nullopt;
    return parse_data(trim_left(data.substr(1)), lines, buffer);
}

} // namespace

WineRegistryLookup look_up_wine_registry(std::string_view text,
                                         std::span<const std::string> key_paths,
                                         std::string_view value_name) {
    WineRegistryLookup result;
    result.values.resize(key_paths.size());

    LineReader lines(text);
    std::string_view line;
    if (!lines.next(line) || line != file_header)
        return result;
    result.readable = true;

    // Paths that are not valid UTF-8 cannot name any key, so they stay empty and never match.
    std::vector<std::optional<std::u16string>> wanted_keys(key_paths.size());
    bool any_wanted = false;
    for (std::size_t k = 0; k < key_paths.size(); ++k) {
        std::u16string path;
        if (utf8_to_utf16(key_paths[k], path)) {
            normalize_key_path(path);
            wanted_keys[k] = std::move(path);
            any_wanted = true;
        }
    }
    std::u16string wanted_name;
    if (!utf8_to_utf16(value_name, wanted_name))
        any_wanted = false;
    for (char16_t& u : wanted_name)
        u = fold_case(u);

    std::u16string buffer;
    buffer.reserve(256);
    // Indices into key_paths that the current key satisfies; empty outside wanted keys.
    std::vector<std::size_t> current;
    current.reserve(key_paths.size());
    KeyMatcher matcher(wanted_keys);
    bool seen_key = false;

    while (lines.next(line)) {
        line = trim_left(line);
        if (line.empty())
            continue;
        switch (line.front()) {
        case '[': {
            if (!any_wanted)
                return result; // only #arch was still of interest, and it comes before keys
            seen_key = true;
            // A key line that does not parse leaves the values after it without a key.
            matcher.match(line, current);
            break;
        }
        case '@':
        case '"': {
            if (current.empty())
                break;
            // A key may appear more than once; like Wine, the last occurrence of a value wins.
            auto value = parse_value_line(line, lines, wanted_name, buffer);
            if (!value)
                break;
            for (std::size_t k = 0; k + 1 < current.size(); ++k)
                result.values[current[k]] = *value;
            result.values[current.back()] = std::move(*value);
            break;
        }
        case '#':
            if (!seen_key && line.starts_with("#arch="))
                result.win64 = trim_right(line.substr(6)) == "win64";
            break;
        default:
            break;
        }
    }
    return result;
}

} // namespace platform
