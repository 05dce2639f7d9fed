#include "library/backup_sets.h"

#include "library/file_steps.h"
#include "library/folder_names.h"
#include "library/game_directory.h"
#include "library/game_paths.h"
#include "library/name_lists.h"
#include "library/set_lists.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/program_folder.h"

#include <vector>

namespace library {

namespace {

// Reports what is wrong with a set name; true when it can name the set's folders.
bool usable_set_name(const std::string& set_name) {
    if (set_name.empty()) {
        platform::show_message("Please type in a name for the backup.");
        return false;
    }
    if (!folder_name_problem(set_name).empty()) {
        platform::show_message(folder_name_rule);
        return false;
    }
    return true;
}

// The game file of each player type is looked for before anything is made, so that a backup
// never stops half-way for want of one.
bool player_game_files_readable(const std::string& game_directory,
                                const std::vector<std::string>& types) {
    for (const auto& type : types) {
        const auto game_file = game_player_model_path(game_directory, type);
        if (!platform::is_ordinary_file(game_file)) {
            platform::show_message("The game file " + platform::native_path(game_file) +
                                   " is missing, so no backup was made.");
            return false;
        }
        if (const auto error = platform::check_readable(game_file)) {
            platform::show_message("The game file " + platform::native_path(game_file) +
                                   " cannot be read (" + error.message() +
                                   "), so no backup was made.");
            return false;
        }
    }
    return true;
}

// A set folder left empty by a stopped backup is used as it is.
Result set_folder_ready(const std::string& folder) {
    return platform::exists(folder) ? Result::success() : make_folder(folder);
}

} // namespace

void create_player_set(const std::string& set_name, const StatusReport& status) {
    if (const auto load = load_player_types(); !load.complete()) {
        platform::show_message(load.problem);
        return;
    }
    if (!usable_set_name(set_name))
        return;

    const auto& program = platform::program_folder();
    const auto types = player_set_types();
    for (const auto& type : types) {
        if (platform::is_ordinary_file(library_player_model_path(program, type, set_name))) {
            platform::show_message("That name already exists.");
            return;
        }
    }
    const auto first_lookup = game_directory_for_operation();
    if (!first_lookup || !player_game_files_readable(*first_lookup, types))
        return;

    for (const auto& type : types) {
        const auto game_directory = game_directory_for_operation();
        if (!game_directory)
            return;
        const auto set_folder = library_player_type_folder(program, type) + "\\" + set_name;
        if (!ok_or_report(set_folder_ready(set_folder)) ||
            !ok_or_report(copy_whole_file(game_player_model_path(*game_directory, type),
                                          library_player_model_path(program, type, set_name))))
            return;
    }
    status("Player model backup complete.");
    (void)ok_or_report(append_set_name(player_set_list(), set_name));
}

void create_weapon_set(const std::string& set_name, const StatusReport& status) {
    if (const auto load = load_weapon_names(weapon_names); !load.complete()) {
        platform::show_message(load.problem);
        return;
    }
    if (!usable_set_name(set_name))
        return;

    const auto& program = platform::program_folder();
    for (const auto& weapon : weapon_names) {
        if (platform::first_ordinary_file(library_weapon_folder(program, weapon) + "\\" + set_name +
                                          "\\")) {
            platform::show_message("That name already exists.");
            return;
        }
    }
    if (!game_directory_for_operation())
        return;

    for (const auto& weapon : weapon_names) {
        if (!ok_or_report(
                set_folder_ready(library_weapon_folder(program, weapon) + "\\" + set_name)))
            return;
    }
    for (const auto& weapon : weapon_names) {
        for (const auto kind :
             {WeaponKind::left, WeaponKind::right, WeaponKind::p, WeaponKind::w}) {
            const auto game_directory = game_directory_for_operation();
            if (!game_directory)
                return;
            const auto game_file = game_weapon_model_path(*game_directory, weapon, kind);
            if (platform::is_ordinary_file(game_file) &&
                !ok_or_report(copy_whole_file(
                    game_file, library_weapon_model_path(program, weapon, set_name, kind))))
                return;
        }
    }
    if (ok_or_report(append_set_name(weapon_set_list(), set_name)))
        status("Weapon model backup complete.");
}

} // namespace library
