#pragma once

#include "platform/message.h"

#include <optional>
#include <string>
#include <string_view>

// The one rule for names that files and folders may take on Windows, the home platform, where
// every model file ends up: the rule for the names the user types and for those an archive holds.
namespace platform {

// The longest file or folder name, in bytes.
inline constexpr std::size_t longest_file_name = 255;

// Why the name cannot be a file or folder name on Windows ("it ends in a dot or a blank");
// nothing when it can be one.
std::optional<Message> file_name_problem(std::string_view name);

} // namespace platform
