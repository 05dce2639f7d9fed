#include "platform/names.h"

#include "platform/utf8.h"

#include <algorithm>

namespace platform {

namespace {

void append_utf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string folded_name(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte < 0x80) {
            folded += byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : name[at];
            ++at;
            continue;
        }
        char32_t code_point = 0;
        if (decode_utf8(name, at, code_point))
            append_utf8(folded, capital(code_point));
        else
            folded += name[at++]; // not UTF-8: the byte stands for itself
    }
    return folded;
}

bool same_name(std::string_view a, std::string_view b) {
    return a == b || folded_name(a) == folded_name(b);
}

std::vector<std::size_t> listing_order(const std::vector<std::string_view>& names) {
    // Each name's key is made once.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        keys.emplace_back(folded_name(names[i]), i);
    std::sort(keys.begin(), keys.end(), [&names](const auto& a, const auto& b) {
        if (const auto order = a.first.compare(b.first); order != 0)
            return order < 0;
        return names[a.second] < names[b.second];
    });
    std::vector<std::size_t> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

} // namespace platform
