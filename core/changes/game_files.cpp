#include "core/changes/game_files.h"

#include "core/changes/change_set.h"
#include "core/checks/companions.h"
#include "core/game/game_directory.h"
#include "core/game/game_tree.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace core {

namespace {

// A game that runs keeps the files it loaded, and servers refuse a file changed under it.
Message restart_notice(const std::vector<std::string>& programs) {
    std::string names; // program names, which stay as they are in every language
    for (std::size_t i = 0; i < programs.size(); ++i)
        names += (i == 0 ? "" : ", ") + programs[i];
    return said("The game is running (%1): it uses the new files only after it is restarted, and "
                "servers refuse changed files until then. Restart the game before you join a "
                "server.",
                names);
}

} // namespace

Result<> put_into_game(const Library& library, const std::vector<FileToPut>& files,
                       MissingCompanion missing, std::string_view what) {
    const auto game_directory = game_directory_for_operation();
    if (!game_directory)
        return game_directory.failure();
    ChangeSet changes;
    for (const auto& [model, file] : files) {
        const auto source = library.file(model, file);
        changes.replace_game_file(source, game_file(*game_directory, model.kind, model.type, file));
        for (const auto& companion : companions_of(source, file)) {
            const auto library_file = library.file(model, companion.file);
            if (!platform::is_ordinary_file(library_file)) {
                if (missing == MissingCompanion::refuse)
                    return fail(
                        missing_companion(companion, library.folder(model), Undone::install));
                continue;
            }
            changes.replace_game_file(
                library_file, game_file(*game_directory, model.kind, model.type, companion.file));
        }
    }
    const auto running = platform::programs_running_from(*game_directory);
    auto applied = changes.apply(library, what);
    if (applied && !running.empty())
        applied.tell(restart_notice(running));
    return applied;
}

} // namespace core
