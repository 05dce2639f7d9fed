#pragma once

#include "library/game_paths.h"

#include <optional>
#include <string>
#include <vector>

// Installing a library model over the game's files.
namespace library {

// The entries of a player type's or weapon's library folder, model folders, files and hidden
// entries alike (system entries aside), in the reverse of the platform's listing order.
std::vector<std::string> list_models(const std::string& folder);

// Replaces the game's file of the player type with the model's file. True when installed; the
// user has been told otherwise.
bool install_player_model(const std::string& type, const std::string& model_name);

// Replaces the game's file of each kind, in the order given, with the model's file of that kind.
// True when all were installed; the first failure ends the install.
bool install_weapon_model(const std::string& weapon, const std::string& model_name,
                          const std::vector<WeaponKind>& kinds);

// The weapon model's file of that kind is there as an ordinary file.
bool weapon_model_has(const std::string& weapon, const std::string& model_name, WeaponKind kind);

} // namespace library
