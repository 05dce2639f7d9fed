#pragma once

#include "platform/file_system.h"

#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace platform::detail {

// Puts a folder listing in the platform's listing order: by name without regard to case, as the
// home platform's file systems return it (letters compare as capitals, so "_" sorts after them).
void sort_listing(std::vector<FolderEntry>& entries);

// Writes bytes to the end of the file being staged.
using Write = std::function<std::error_code(std::string_view bytes)>;

// Stages a new file beside the target, as stage_copy() does, of whatever fill writes into it; a
// fill that fails leaves nothing staged, and its error is the outcome.
Result<> stage_written(const Path& target,
                       const std::function<std::error_code(const Write& write)>& fill);

// Puts the staged copy in place under the target's name, which must not exist yet.
Result<> put_staged_as_new(const Path& target);

// Done when there is no error, else the failure that names it.
inline Result<> outcome(std::error_code error) {
    if (error)
        return fail(error);
    return {};
}

} // namespace platform::detail
