#include "core/library/file_steps.h"

#include "platform/file_system.h"

namespace core {

Result<> make_folder(const Path& folder, Undo& undo) {
    if (const auto made = platform::create_folder(folder); !made)
        return fail("The folder " + platform::native_path(folder) +
                    " could not be created: " + made.why() + ".");
    undo.made_folder(folder);
    return {};
}

Result<> copy_whole_file(const Path& from, const Path& to, Undo& undo) {
    if (const auto copied = platform::copy_file(from, to); !copied)
        return fail(platform::native_path(from) + " could not be copied to " +
                    platform::native_path(to) + ": " + copied.why() + ".");
    undo.made_file(to);
    return {};
}

} // namespace core
