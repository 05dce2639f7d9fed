#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace archive {

// How many bytes of a name or path a message shows before it cuts it short.
inline constexpr std::size_t shown_length = 160;

// The name or path of an entry as a message shows it, whatever the archive holds: UTF-8 text as
// it is, but control characters and bytes that are not UTF-8 escaped as \x1B, and the marks that
// turn the direction of text as \u202E, so that a line never hides or rearranges what follows;
// cut short with "…" past shown_length bytes; "" in quotes when it is empty.
std::string shown_name(std::string_view name);

} // namespace archive
