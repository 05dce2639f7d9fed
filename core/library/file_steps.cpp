#include "core/library/file_steps.h"

#include "platform/file_system.h"

namespace core {

Result<> make_folder(const Path& folder, Undo& undo) {
    if (const auto made = platform::create_folder(folder); !made)
        return fail(said("The folder %1 could not be created: %2.", platform::native_path(folder),
                         made.why()));
    undo.made_folder(folder);
    return {};
}

Result<> copy_whole_file(const Path& from, const Path& to, Undo& undo) {
    if (const auto copied = platform::copy_file(from, to); !copied)
        return fail(said("%1 could not be copied to %2: %3.", platform::native_path(from),
                         platform::native_path(to), copied.why()));
    undo.made_file(to);
    return {};
}

} // namespace core
