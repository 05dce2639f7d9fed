#include "library/model_install.h"

#include "library/game_directory.h"
#include "library/replace_game_file.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"

namespace library {

std::vector<std::string> list_models(const std::string& folder) {
    const auto entries = platform::list_folder(folder);
    std::vector<std::string> models;
    models.reserve(entries.size());
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->is_system)
            models.push_back(entry->name);
    }
    return models;
}

bool install_player_model(const std::string& type, const std::string& model_name) {
    const auto source = library_player_model_path(platform::program_folder(), type, model_name);
    const auto game_directory = game_directory_for_operation();
    return game_directory &&
           ok_or_report(replace_game_file(source, game_player_model_path(*game_directory, type)));
}

bool install_weapon_model(const std::string& weapon, const std::string& model_name,
                          const std::vector<WeaponKind>& kinds) {
    for (const auto kind : kinds) {
        const auto source =
            library_weapon_model_path(platform::program_folder(), weapon, model_name, kind);
        const auto game_directory = game_directory_for_operation();
        if (!game_directory || !ok_or_report(replace_game_file(
                                   source, game_weapon_model_path(*game_directory, weapon, kind))))
            return false;
    }
    return true;
}

bool weapon_model_has(const std::string& weapon, const std::string& model_name, WeaponKind kind) {
    return platform::is_ordinary_file(
        library_weapon_model_path(platform::program_folder(), weapon, model_name, kind));
}

} // namespace library
