#include "core/changes/backup_sets.h"

#include "core/changes/companions.h"
#include "core/changes/game_files.h"
#include "core/game/game_directory.h"
#include "core/game/game_tree.h"
#include "core/library/file_steps.h"
#include "core/library/folder_names.h"
#include "core/library/name_lists.h"
#include "core/library/set_lists.h"
#include "platform/file_system.h"

namespace core {

namespace {

Result<> check_set_name(const std::string& set_name) {
    if (set_name.empty())
        return fail("Please type in a name for the backup.");
    if (!folder_name_problem(set_name).empty())
        return fail(folder_name_rule);
    return {};
}

// A set name is taken where a set folder holds a model already: a player type's model file, or
// any ordinary file of a weapon's (a weapon model holds any of its four files).
bool set_folder_taken(const Library& library, const LibraryModel& set_model) {
    if (set_model.kind == ModelKind::player)
        return platform::is_ordinary_file(library.file(set_model, set_model.type + ".mdl"));
    return platform::first_ordinary_file(library.folder(set_model)).has_value();
}

Result<> check_set_folders(const Library& library, const BackupSet& set, const Names& types) {
    for (const auto& type : types) {
        if (set_folder_taken(library, set.model_for(type)))
            return fail("That name already exists.");
    }
    for (const auto& type : types) {
        const auto folder = library.folder(set.model_for(type));
        if (platform::exists(folder) && !platform::is_folder(folder))
            return fail(platform::native_path(folder) +
                        " is a file where the backup needs a folder, so no backup was made.");
    }
    return {};
}

// What the backup will need of the game, looked for before anything is made.
Result<> check_game(ModelKind kind, const Names& types, const Path& game_directory) {
    const auto models = game_model_folder(game_directory);
    if (!platform::is_folder(models))
        return fail("The game's model folder " + platform::native_path(models) +
                    " does not exist, so no backup was made.");
    if (!facts(kind).model_holds_every_file)
        return {};
    for (const auto& type : types) {
        for (const auto& file : model_files(kind, type)) {
            const auto game = game_file(game_directory, kind, type, file);
            if (!platform::is_ordinary_file(game))
                return fail("The game file " + platform::native_path(game) +
                            " is missing, so no backup was made.");
            if (const auto readable = platform::check_readable(game); !readable)
                return fail("The game file " + platform::native_path(game) + " cannot be read (" +
                            readable.why() + "), so no backup was made.");
        }
    }
    return {};
}

// A set folder, unless an earlier backup or import left it empty, when it is used as it is.
Result<> make_set_folder(const Library& library, const LibraryModel& set_model, Undo& undo) {
    const auto folder = library.folder(set_model);
    if (platform::exists(folder))
        return {};
    return make_folder(folder, undo);
}

// Copies a game file into its set folder, and each companion it names that the game has.
Result<> copy_into_set(const Library& library, const LibraryModel& set_model,
                       const std::string& file, const Path& game_directory, Undo& undo) {
    const auto game = game_file(game_directory, set_model.kind, set_model.type, file);
    if (auto copied = copy_whole_file(game, library.file(set_model, file), undo); !copied)
        return copied;
    for (const auto& companion : companions_of(game, file)) {
        const auto game_companion =
            game_file(game_directory, set_model.kind, set_model.type, companion.file);
        if (!platform::is_ordinary_file(game_companion))
            continue;
        if (auto copied =
                copy_whole_file(game_companion, library.file(set_model, companion.file), undo);
            !copied)
            return copied;
    }
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

    Undo undo;
    // The weapon backup makes all its set folders before it copies a file; the player backup goes
    // type by type: the set folder, then the copy.
    const bool folders_first = kind == ModelKind::weapon;
    if (folders_first) {
        for (const auto& type : *types) {
            if (auto made = make_set_folder(library, set.model_for(type), undo); !made)
                return made;
        }
    }
    for (const auto& type : *types) {
        const auto set_model = set.model_for(type);
        for (const auto& file : model_files(kind, type, backup_order)) {
            if (!folders_first) {
                if (auto made = make_set_folder(library, set_model, undo); !made)
                    return made;
            }
            if (!facts(kind).model_holds_every_file &&
                !platform::is_ordinary_file(game_file(*game_directory, kind, type, file)))
                continue;
            if (auto copied = copy_into_set(library, set_model, file, *game_directory, undo);
                !copied)
                return copied;
        }
    }
    if (auto listed = append_set_name(library, set); !listed)
        return listed;
    undo.keep();
    return {};
}

Result<> restore_backup_set(const Library& library, const BackupSet& set) {
    const auto kind = set.kind;
    // The weapon restore reads its list before it looks at the selection, the player restore
    // after it.
    auto types = kind == ModelKind::weapon ? set_names(library, kind) : Result<Names>(Names{});
    if (types && set.name.empty())
        return fail("Please select a backup set before clicking install.");
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
                    return fail("The backup set \"" + set.name + "\" has lost its file " +
                                platform::native_path(set_file) + ", so nothing was restored.");
            }
        }
    }
    const auto game_directory = game_directory_for_operation();
    if (!game_directory)
        return game_directory.failure();
    std::vector<Replacement> replacements;
    for (const auto& type : *types) {
        const auto set_model = set.model_for(type);
        for (const auto& file : model_files(kind, type)) {
            if (!every_file && !platform::is_ordinary_file(library.file(set_model, file)))
                continue;
            if (auto added = add_replacements(replacements, library, set_model, file,
                                              *game_directory, MissingCompanion::pass_over);
                !added)
                return added;
        }
    }
    return replace_game_files(replacements);
}

} // namespace core
