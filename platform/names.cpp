#include "platform/names.h"

#include "platform/utf8.h"

#include <algorithm>

namespace platform {

std::string folded_name(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        char32_t code_point = 0;
        if (decode_utf8(name, at, code_point))
            append_utf8(folded, folded_letter(code_point));
        else
            folded += name[at++]; // not UTF-8: the byte stands for itself
    }
    return folded;
}

bool same_name(std::string_view a, std::string_view b) {
    return a == b || folded_name(a) == folded_name(b);
}

char32_t folded_letter(char32_t code_point) {
    if (code_point < 0x80)
        return code_point >= 'a' && code_point <= 'z' ? code_point - 'a' + 'A' : code_point;
    return capital(code_point);
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
