#pragma once

#include "platform/file_system.h"

#include <string>
#include <system_error>
#include <vector>

namespace platform::detail {

// Puts a folder listing in the platform's listing order: by name without regard to case, as the
// home platform's file systems return it (letters compare as capitals, so "_" sorts after them).
void sort_listing(std::vector<FolderEntry>& entries);

// The errors of files that are not what Tessary reads: something other than an ordinary file
// where one should be, or a file larger than Tessary reads.
std::error_code not_a_file();
std::error_code too_large();

} // namespace platform::detail
