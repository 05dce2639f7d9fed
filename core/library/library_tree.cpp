#include "core/library/library_tree.h"

#include "core/library/name_lists.h"
#include "platform/file_system.h"

namespace core {

Result<> create_library_tree(const Library& library) {
    const auto names = library_names(library);
    if (!names)
        return fail(said("%1 The model library was not created; mend the file and start Tessary "
                         "again.",
                         names.messages().front()));

    const auto models = library.tree();
    // A tree left by a start that was killed while it made the library goes first.
    const auto staged = platform::staged_path(models);
    if (const auto removed = platform::remove_own_folder(staged); !removed)
        return fail(said("%1, left by an earlier start, could not be removed: %2.",
                         platform::native_path(staged), removed.why()));

    std::vector<Path> folders{staged, staged / "player", staged / "weapon"};
    for (const auto& weapon : names->weapons)
        folders.push_back(staged / "weapon" / weapon);
    for (const auto& type : names->player_types)
        folders.push_back(staged / "player" / type);
    // The tree is staged whole beside its name, like a file: what a failure leaves of it goes.
    const auto made = [&]() -> Result<> {
        for (const auto& folder : folders) {
            if (const auto created = platform::create_folder(folder); !created)
                return fail(said("The folder %1 could not be created: %2.",
                                 platform::native_path(folder), created.why()));
        }
        if (const auto renamed = platform::rename_file(staged, models); !renamed)
            return fail(said("The model library could not be put in place as %1: %2.",
                             platform::native_path(models), renamed.why()));
        return {};
    }();
    if (!made)
        (void)platform::remove_own_folder(staged);
    return made;
}

Result<> check_program_folder(const Library& library) {
    const auto& folder = library.program_folder();
    const auto probe = platform::staged_path(folder / "write-test");
    (void)platform::remove_empty_folder(probe); // left by a start that was killed
    const auto made = platform::create_folder(probe);
    if (!made)
        return fail(said("Tessary keeps its model library in the folder it is started from, %1, "
                         "but it cannot write there (%2). Move the Tessary folder to a place of "
                         "your own, such as your Documents folder, and start it from there.",
                         platform::native_path(folder), made.why()));
    (void)platform::remove_empty_folder(probe);
    return {};
}

} // namespace core
