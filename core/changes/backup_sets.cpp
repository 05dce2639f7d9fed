#include "core/changes/backup_sets.h"

#include "core/changes/change_set.h"
#include "core/changes/game_files.h"
#include "core/checks/companions.h"
#include "core/game/game_directory.h"
#include "core/game/game_tree.h"
#include "core/library/folder_names.h"
#include "core/library/name_lists.h"
#include "core/library/set_lists.h"
#include "platform/file_system.h"

namespace core {

namespace {

Result<> check_set_name(const std::string& set_name) {
    if (set_name.empty())
        return fail(said("Please type in a name for the backup."));
    return check_folder_name(set_name);
}

// A set name is taken where a set folder holds a model already: a player type's model file, or
// any ordinary file of a weapon's (a weapon model holds any of its four files).
bool set_folder_taken(const Library& library, const LibraryModel& set_model) {
    if (set_model.kind == ModelKind::player)
        return platform::is_ordinary_file(
            library.file(set_model, model_files(ModelKind::player, set_model.type).front()));
    return platform::first_ordinary_file(library.folder(set_model)).has_value();
}

Result<> check_set_folders(const Library& library, const BackupSet& set, const Names& types) {
    for (const auto& type : types) {
        if (set_folder_taken(library, set.model_for(type)))
            return fail(said("That name already exists."));
    }
    for (const auto& type : types) {
        const auto folder = library.folder(set.model_for(type));
        if (platform::exists(folder) && !platform::is_folder(folder))
            return fail(said("%1 is a file where the backup needs a folder, so no backup was made.",
                             platform::native_path(folder)));
    }
    return {};
}

// What the backup will need of the game, looked for before anything is made.
Result<> check_game(ModelKind kind, const Names& types, const Path& game_directory) {
    const auto models = game_model_folder(game_directory);
    if (!platform::is_folder(models))
        return fail(said("The game's model folder %1 does not exist, so no backup was made.",
                         platform::native_path(models)));
    if (!facts(kind).model_holds_every_file)
        return {};
    for (const auto& type : types) {
        for (const auto& file : model_files(kind, type)) {
            const auto game = game_file(game_directory, kind, type, file);
            if (!platform::is_ordinary_file(game))
                return fail(said("The game file %1 is missing, so no backup was made.",
                                 platform::native_path(game)));
            if (const auto readable = platform::check_readable(game); !readable)
                return fail(said("The game file %1 cannot be read (%2), so no backup was made.",
                                 platform::native_path(game), readable.why()));
        }
    }
    return {};
}

// A set folder, unless an earlier backup or import left it empty, when it is used as it is.
void make_set_folder(ChangeSet& changes, const Library& library, const LibraryModel& set_model) {
    const auto folder = library.folder(set_model);
    if (!platform::exists(folder))
        changes.make_folder(folder);
}

// Copies a game file into its set folder, and each companion it names that the game has.
void copy_into_set(ChangeSet& changes, const Library& library, const LibraryModel& set_model,
                   const std::string& file, const Path& game_directory) {
    const auto game = game_file(game_directory, set_model.kind, set_model.type, file);
    changes.copy_file(game, library.file(set_model, file));
    for (const auto& companion : companions_of(game, file)) {
        const auto game_companion =
            game_file(game_directory, set_model.kind, set_model.type, companion.file);
        if (platform::is_ordinary_file(game_companion))
            changes.copy_file(game_companion, library.file(set_model, companion.file));
    }
}

// The set list with the set's name at its end takes its place once the set is made.
Result<> add_set_name(ChangeSet& changes, const Library& library, const BackupSet& set) {
    auto list = list_with_set_name(library, set);
    if (!list)
        return list.failure();
    const auto file = library.program_file(facts(set.kind).set_list);
    changes.rewrite_file(
        file, std::move(*list),
        said("The name \"%1\" could not be added to %2", set.name, platform::native_path(file)));
    return {};
}

} // namespace

Result<> create_backup_set(const Library& library, const BackupSet& set) {
    const auto kind = set.kind;
    const auto types = set_names(library, kind);
    if (!types)
        return types.failure();
    if (auto checked = check_set_name(set.name); !checked)
        return checked;
    if (auto checked = check_set_folders(library, set, *types); !checked)
        return checked;
    const auto game_directory = game_directory_for_operation();
    if (!game_directory)
        return game_directory.failure();
    if (auto checked = check_game(kind, *types, *game_directory); !checked)
        return checked;

    ChangeSet changes;
    // The weapon backup makes all its set folders before it copies a file; the player backup goes
    // type by type: the set folder, then the copy.
    const bool folders_first = kind == ModelKind::weapon;
    if (folders_first) {
        for (const auto& type : *types)
            make_set_folder(changes, library, set.model_for(type));
    }
    for (const auto& type : *types) {
        const auto set_model = set.model_for(type);
        if (!folders_first)
            make_set_folder(changes, library, set_model);
        for (const auto& file : model_files(kind, type, backup_order)) {
            if (facts(kind).model_holds_every_file ||
                platform::is_ordinary_file(game_file(*game_directory, kind, type, file)))
                copy_into_set(changes, library, set_model, file, *game_directory);
        }
    }
    if (auto listed = add_set_name(changes, library, set); !listed)
        return listed;
    return changes.apply(library, "backup");
}

Result<> restore_backup_set(const Library& library, const BackupSet& set) {
    const auto kind = set.kind;
    // The weapon restore reads its list before it looks at the selection, the player restore
    // after it.
    auto types = kind == ModelKind::weapon ? set_names(library, kind) : Result<Names>(Names{});
    if (types && set.name.empty())
        return fail(said("Please select a backup set before clicking install."));
    if (types && kind == ModelKind::player)
        types = set_names(library, kind);
    if (!types)
        return types.failure();

    const bool every_file = facts(kind).model_holds_every_file;
    if (every_file) {
        for (const auto& type : *types) {
            for (const auto& file : model_files(kind, type)) {
                const auto set_file = library.file(set.model_for(type), file);
                if (!platform::is_ordinary_file(set_file))
                    return fail(said("The backup set \"%1\" has lost its file %2, so nothing was "
                                     "restored.",
                                     set.name, platform::native_path(set_file)));
            }
        }
    }
    std::vector<FileToPut> to_put;
    for (const auto& type : *types) {
        const auto set_model = set.model_for(type);
        for (const auto& file : model_files(kind, type)) {
            if (every_file || platform::is_ordinary_file(library.file(set_model, file)))
                to_put.push_back({set_model, file});
        }
    }
    return put_into_game(library, to_put, MissingCompanion::pass_over, "restore");
}

} // namespace core
