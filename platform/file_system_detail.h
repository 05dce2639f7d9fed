#pragma once

#include "platform/file_system.h"

#include <vector>

namespace platform::detail {

// Puts a folder listing in the platform's listing order: by name without regard to case, as the
// home platform's file systems return it (letters compare as capitals, so "_" sorts after them).
void sort_listing(std::vector<FolderEntry>& entries);

} // namespace platform::detail
