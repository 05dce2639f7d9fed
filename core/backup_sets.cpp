#include "core/backup_sets.h"

#include "core/companions.h"
#include "core/file_steps.h"
#include "core/folder_names.h"
#include "core/game_directory.h"
#include "core/game_files.h"
#include "core/name_lists.h"
#include "core/set_lists.h"
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
bool set_folder_taken(ModelKind kind, const std::string& name, const std::string& set_name) {
    if (kind == ModelKind::player)
        return platform::is_ordinary_file(model_file(kind, name, set_name, name + ".mdl"));
    return platform::first_ordinary_file(model_folder(kind, name, set_name)).has_value();
}

Result<> check_set_folders(ModelKind kind, const Names& names, const std::string& set_name) {
    for (const auto& name : names) {
        if (set_folder_taken(kind, name, set_name))
            return fail("That name already exists.");
    }
    for (const auto& name : names) {
        const auto folder = model_folder(kind, name, set_name);
        if (platform::exists(folder) && !platform::is_folder(folder))
            return fail(platform::native_path(folder) +
                        " is a file where the backup needs a folder, so no backup was made.");
    }
    return {};
}

// What the backup will need of the game, looked for before anything is made.
Result<> check_game(ModelKind kind, const Names& names, const Path& game_directory) {
    const auto models = game_model_folder(game_directory);
    if (!platform::is_folder(models))
        return fail("The game's model folder " + platform::native_path(models) +
                    " does not exist, so no backup was made.");
    if (!facts(kind).model_holds_every_file)
        return {};
    for (const auto& name : names) {
        for (const auto& file : model_files(kind, name)) {
            const auto game = game_file(game_directory, kind, name, file);
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
Result<> make_set_folder(ModelKind kind, const std::string& name, const std::string& set_name,
                         Undo& undo) {
    const auto folder = model_folder(kind, name, set_name);
    if (platform::exists(folder))
        return {};
    return make_folder(folder, undo);
}

// Copies a game file into its set folder, and each companion it names that the game has.
Result<> copy_into_set(ModelKind kind, const std::string& name, const std::string& set_name,
                       const std::string& file, const Path& game_directory, Undo& undo) {
    const auto game = game_file(game_directory, kind, name, file);
    if (auto copied = copy_whole_file(game, model_file(kind, name, set_name, file), undo); !copied)
        return copied;
    for (const auto& companion : companions_of(game, file)) {
        const auto game_companion = game_file(game_directory, kind, name, companion.file);
        if (!platform::is_ordinary_file(game_companion))
            continue;
        if (auto copied = copy_whole_file(game_companion,
                                          model_file(kind, name, set_name, companion.file), undo);
            !copied)
            return copied;
    }
    return {};
}

} // namespace

Result<> create_backup_set(ModelKind kind, const std::string& set_name) {
    const auto names = set_names(kind);
    if (!names)
        return names.failure();
    if (auto checked = check_set_name(set_name); !checked)
        return checked;
    if (auto checked = check_set_folders(kind, *names, set_name); !checked)
        return checked;
    const auto first_lookup = game_directory_for_operation();
    if (!first_lookup)
        return first_lookup.failure();
    if (auto checked = check_game(kind, *names, *first_lookup); !checked)
        return checked;

    Undo undo;
    // The weapon backup makes all its set folders before it copies a file; the player backup goes
    // type by type: the game directory, the set folder, the copy.
    const bool folders_first = kind == ModelKind::weapon;
    if (folders_first) {
        for (const auto& name : *names) {
            if (auto made = make_set_folder(kind, name, set_name, undo); !made)
                return made;
        }
    }
    for (const auto& name : *names) {
        for (const auto& file : model_files(kind, name, backup_order)) {
            const auto game_directory = game_directory_for_operation();
            if (!game_directory)
                return game_directory.failure();
            if (!folders_first) {
                if (auto made = make_set_folder(kind, name, set_name, undo); !made)
                    return made;
            }
            if (!facts(kind).model_holds_every_file &&
                !platform::is_ordinary_file(game_file(*game_directory, kind, name, file)))
                continue;
            if (auto copied = copy_into_set(kind, name, set_name, file, *game_directory, undo);
                !copied)
                return copied;
        }
    }
    if (auto listed = append_set_name(kind, set_name); !listed)
        return listed;
    undo.keep();
    return {};
}

Result<> restore_backup_set(ModelKind kind, const std::string& set_name) {
    // The weapon restore reads its list before it looks at the selection, the player restore
    // after it.
    auto names = kind == ModelKind::weapon ? set_names(kind) : Result<Names>(Names{});
    if (names && set_name.empty())
        return fail("Please select a backup set before clicking install.");
    if (names && kind == ModelKind::player)
        names = set_names(kind);
    if (!names)
        return names.failure();

    const bool every_file = facts(kind).model_holds_every_file;
    if (every_file) {
        for (const auto& name : *names) {
            for (const auto& file : model_files(kind, name)) {
                const auto set_file = model_file(kind, name, set_name, file);
                if (!platform::is_ordinary_file(set_file))
                    return fail("The backup set \"" + set_name + "\" has lost its file " +
                                platform::native_path(set_file) + ", so nothing was restored.");
            }
        }
    }
    std::vector<Replacement> replacements;
    for (const auto& name : *names) {
        for (const auto& file : model_files(kind, name)) {
            const auto game_directory = game_directory_for_operation();
            if (!game_directory)
                return game_directory.failure();
            if (!every_file && !platform::is_ordinary_file(model_file(kind, name, set_name, file)))
                continue;
            if (auto added = add_replacements(replacements, kind, name, set_name, file,
                                              *game_directory, false);
                !added)
                return added;
        }
    }
    return replace_game_files(replacements);
}

} // namespace core
