#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Decodes the UTF-8 sequence at text[at] into code_point and moves at past it. Invalid sequences
// (overlong, surrogates, beyond U+10FFFF, cut short) are refused rather than replaced, so damaged
// text can never pass for a plausible name.
bool decode_utf8(std::string_view text, std::size_t& at, char32_t& code_point);

// Appends the code point, which must be one (at most U+10FFFF), in UTF-8.
void append_utf8(std::string& text, char32_t code_point);

// The text is UTF-8 throughout, as decode_utf8 takes it.
bool is_utf8(std::string_view text);

} // namespace platform
