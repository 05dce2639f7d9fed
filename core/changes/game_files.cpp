#include "core/changes/game_files.h"

#include "core/checks/companions.h"
#include "core/game/game_tree.h"
#include "platform/file_system.h"

namespace core {

Result<> add_replacements(ChangeSet& changes, const Library& library, const LibraryModel& model,
                          const std::string& file, const Path& game_directory,
                          MissingCompanion missing) {
    const auto source = library.file(model, file);
    changes.replace_game_file(source, game_file(game_directory, model.kind, model.type, file));
    for (const auto& companion : companions_of(source, file)) {
        const auto library_file = library.file(model, companion.file);
        if (!platform::is_ordinary_file(library_file)) {
            if (missing == MissingCompanion::refuse)
                return fail(missing_companion(companion, library.folder(model), "installed"));
            continue;
        }
        changes.replace_game_file(
            library_file, game_file(game_directory, model.kind, model.type, companion.file));
    }
    return {};
}

} // namespace core
