#pragma once

#include <string>
#include <string_view>
#include <vector>

// Names compare as the home platform's file systems compare them: letter by letter as capitals,
// over the whole of Unicode where a name is UTF-8 text, byte by byte where it is not. Every
// comparison of file, folder, registry and model names without regard to case goes through here.
namespace platform {

// The name with every letter a capital; two names the file systems take for one fold alike.
std::string folded_name(std::string_view name);

bool same_name(std::string_view a, std::string_view b);

// The order in which a folder lists names: by their folded forms, and names that differ only in
// case by the names themselves. Gives the positions of the names in that order.
std::vector<std::size_t> listing_order(const std::vector<std::string_view>& names);

// The code point as names compare: the capital of a letter, else the code point itself.
char32_t folded_letter(char32_t code_point);

// The capital of a letter, or the code point itself, as the system's table has it.
char32_t capital(char32_t code_point);

} // namespace platform
