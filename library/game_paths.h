#pragma once

#include <array>
#include <string>

// Where the game keeps each model file, and where the library keeps the file that replaces it.
// All paths are built by plain concatenation; every fixed piece begins with a backslash, and
// names are inserted exactly as they stand.
namespace library {

// The eleven player model types. hostage and scientist keep their file directly in
// cstrike\models; the others have a folder of their own under cstrike\models\player.
inline const std::array<std::string, 11> player_model_types{
    "sas",  "gign",     "urban", "gsg9",    "terror",   "arctic",
    "leet", "guerilla", "vip",   "hostage", "scientist"};

// The four files of a weapon model, named after the install window's check boxes.
enum class WeaponKind { left, right, w, p };

std::string weapon_file_name(const std::string& weapon, WeaponKind kind);

std::string game_player_model_path(const std::string& game_directory, const std::string& type);
std::string game_weapon_model_path(const std::string& game_directory, const std::string& weapon,
                                   WeaponKind kind);

// The library folder of a player type or a weapon, which holds its model folders.
std::string library_player_type_folder(const std::string& program_folder, const std::string& type);
std::string library_weapon_folder(const std::string& program_folder, const std::string& weapon);

std::string library_player_model_path(const std::string& program_folder, const std::string& type,
                                      const std::string& model_name);
std::string library_weapon_model_path(const std::string& program_folder, const std::string& weapon,
                                      const std::string& model_name, WeaponKind kind);

} // namespace library
