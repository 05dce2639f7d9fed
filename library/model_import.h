#pragma once

#include "library/name_lists.h"

#include <optional>
#include <string>

// Filing a model file from anywhere on disk into the library, under the game's name for it and
// a model name the user types.
namespace library {

struct ImportRequest {
    std::string source_folder; // the folder the file was picked in
    std::string picked_file;   // the picked file's name, empty when none is picked
    std::string model_name;
};

struct ImportOutcome {
    bool copied = false;    // the copy step was done: the source folder is worth remembering
    bool confirmed = false; // the picked file now stands in the model folder
};

// Copies the picked player model (its name must be a player type's file name) into a new model
// folder. Refusals and failures are reported to the user; a failed import leaves nothing behind.
ImportOutcome import_player_model(const ImportRequest& request);

// Copies whichever of a weapon's four files lie beside the picked v_ file into a new model
// folder; the weapon is checked against the weapon windows' table.
ImportOutcome import_weapon_model(const ImportRequest& request);

// The weapon a picked file name stands for: v_ak47.mdl and v_ak47_r.mdl both give ak47. Nothing
// when the name is too short to hold one.
std::optional<std::string> weapon_name_from_file(const std::string& picked_file);

} // namespace library
