#include "library/restore_sets.h"

#include "library/game_directory.h"
#include "library/game_paths.h"
#include "library/name_lists.h"
#include "library/replace_game_file.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/program_folder.h"

#include <vector>

namespace library {

namespace {

constexpr char no_set_selected[] = "Please select a backup set before clicking install.";

} // namespace

bool restore_player_set(const std::string& set_name) {
    if (set_name.empty()) {
        platform::show_message(no_set_selected);
        return false;
    }
    if (const auto load = load_player_types(); !load.complete()) {
        platform::show_message(load.problem);
        return false;
    }

    const auto& program = platform::program_folder();
    const auto types = player_set_types();
    for (const auto& type : types) {
        const auto set_file = library_player_model_path(program, type, set_name);
        if (!platform::is_ordinary_file(set_file)) {
            platform::show_message("The backup set \"" + set_name + "\" has lost its file " +
                                   platform::native_path(set_file) + ", so nothing was restored.");
            return false;
        }
    }

    for (const auto& type : types) {
        const auto game_directory = game_directory_for_operation();
        if (!game_directory ||
            !ok_or_report(replace_game_file(library_player_model_path(program, type, set_name),
                                            game_player_model_path(*game_directory, type))))
            return false;
    }
    return true;
}

bool restore_weapon_set(const std::string& set_name) {
    if (const auto load = load_weapon_names(weapon_names); !load.complete()) {
        platform::show_message(load.problem);
        return false;
    }
    if (set_name.empty()) {
        platform::show_message(no_set_selected);
        return false;
    }

    const auto& program = platform::program_folder();
    for (const auto& weapon : weapon_names) {
        for (const auto kind :
             {WeaponKind::left, WeaponKind::right, WeaponKind::w, WeaponKind::p}) {
            const auto game_directory = game_directory_for_operation();
            if (!game_directory)
                return false;
            const auto set_file = library_weapon_model_path(program, weapon, set_name, kind);
            if (platform::is_ordinary_file(set_file) &&
                !ok_or_report(replace_game_file(
                    set_file, game_weapon_model_path(*game_directory, weapon, kind))))
                return false;
        }
    }
    return true;
}

} // namespace library
