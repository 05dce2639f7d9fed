#pragma once

#include "core/library/name_lists.h"
#include "core/sources/source_folder.h"

#include <optional>
#include <string>

// Filing a model file from anywhere on disk into the library, under the game's name for it and
// a model name the user types.
namespace core {

struct ImportRequest {
    std::optional<SourceFolder> source_folder; // where the file was picked; none before a folder
    std::string picked_file;                   // the picked file's name, empty when none is picked
    std::string model_name;
};

struct Imported {
    bool confirmed = false; // the picked file now stands in the model folder
};

// Copies the picked player model (its name must be a player type's file name) into a new model
// folder, with the companions it names. A model whose companion is not beside it is refused. A
// refused or failed import writes nothing and leaves nothing behind.
Result<Imported> import_player_model(const Library& library, const ImportRequest& request);

// Copies whichever of a weapon's four files lie beside the picked v_ file into a new model
// folder, in the order left, W, P, right, each with its companions; the weapon must be one of
// weapon_names.
Result<Imported> import_weapon_model(const Library& library, const ImportRequest& request,
                                     const Names& weapon_names);

// The weapon a picked file name stands for: v_ak47.mdl and v_ak47_r.mdl both give ak47. Nothing
// when the name is too short to hold one.
std::optional<std::string> weapon_name_from_file(const std::string& picked_file);

} // namespace core
