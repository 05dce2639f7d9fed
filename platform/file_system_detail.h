#pragma once

#include "platform/file_system.h"

#include <string>
#include <system_error>
#include <vector>

namespace platform::detail {

// Puts a folder listing in the platform's listing order: by name without regard to case, as the
// home platform's file systems return it (letters compare as capitals, so "_" sorts after them).
void sort_listing(std::vector<FolderEntry>& entries);

// Done when there is no error, else the failure that names it.
inline Result<> outcome(std::error_code error) {
    if (error)
        return fail(error);
    return {};
}

} // namespace platform::detail
