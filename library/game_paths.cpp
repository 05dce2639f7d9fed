#include "library/game_paths.h"

namespace library {

std::string weapon_file_name(const std::string& weapon, WeaponKind kind) {
    switch (kind) {
    case WeaponKind::left:
        return "v_" + weapon + ".mdl";
    case WeaponKind::right:
        return "v_" + weapon + "_r.mdl";
    case WeaponKind::w:
        return "w_" + weapon + ".mdl";
    case WeaponKind::p:
        return "p_" + weapon + ".mdl";
    }
    return {};
}

std::string game_player_model_path(const std::string& game_directory, const std::string& type) {
    if (type == "hostage" || type == "scientist")
        return game_directory + "\\cstrike\\models\\" + type + ".mdl";
    return game_directory + "\\cstrike\\models\\player\\" + type + "\\" + type + ".mdl";
}

std::string game_weapon_model_path(const std::string& game_directory, const std::string& weapon,
                                   WeaponKind kind) {
    return game_directory + "\\cstrike\\models\\" + weapon_file_name(weapon, kind);
}

std::string library_player_type_folder(const std::string& program_folder, const std::string& type) {
    return program_folder + "\\models\\player\\" + type;
}

std::string library_weapon_folder(const std::string& program_folder, const std::string& weapon) {
    return program_folder + "\\models\\weapon\\" + weapon;
}

std::string library_player_model_path(const std::string& program_folder, const std::string& type,
                                      const std::string& model_name) {
    return library_player_type_folder(program_folder, type) + "\\" + model_name + "\\" + type +
           ".mdl";
}

std::string library_weapon_model_path(const std::string& program_folder, const std::string& weapon,
                                      const std::string& model_name, WeaponKind kind) {
    return library_weapon_folder(program_folder, weapon) + "\\" + model_name + "\\" +
           weapon_file_name(weapon, kind);
}

} // namespace library
