#pragma once

#include "platform/file_system.h"

#include <system_error>
#include <vector>

namespace platform::detail {

// Puts a folder listing in the platform's listing order: by name without regard to case, as the
// home platform's file systems return it (letters compare as capitals, so "_" sorts after them).
void sort_listing(std::vector<FolderEntry>& entries);

// Windows only: the next copy writes part of its target and then fails with the error, as one
// that runs out of disk space does. Tests use it where no real failure can be arranged.
void fail_next_copy_part_way(std::error_code error);

} // namespace platform::detail
