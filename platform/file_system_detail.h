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

// Whether a staged file is flushed to disk as it is written, or together with others later.
enum class Flush { now, later };

// Stages a new file beside the target, as stage_copy() does, of whatever fill writes into it; a
// fill that fails leaves nothing staged, and its error is the outcome.
Result<> stage_written(const Path& target, Flush flush,
                       const std::function<std::error_code(const Write& write)>& fill);

// Stages a copy beside the target, as stage_copy() does.
Result<> stage_copied(const Path& from, const Path& target, Flush flush);

// Done when there is no error, else the failure that names it.
inline Result<> outcome(std::error_code error) {
    if (error)
        return fail(error);
    return {};
}

} // namespace platform::detail
