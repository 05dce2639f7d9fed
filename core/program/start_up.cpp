#include "core/program/start_up.h"

#include "core/changes/journal.h"
#include "core/library/library_tree.h"
#include "core/sources/extracted_files.h"
#include "platform/file_system.h"

namespace core {

Result<> start_up(const Library& library) {
    const auto recovered = recover_unfinished_change(library);
    const auto cleared = remove_extracted_leftovers(library);
    auto& settings = library.settings();
    if (settings.read("settings", "install path").value_or("").empty())
        settings.write("settings", "install path", library.program_folder().text());
    Result<> started = platform::exists(library.tree()) ? Result<>() : create_library_tree(library);
    started.after(cleared).after(recovered);
    return started;
}

} // namespace core
