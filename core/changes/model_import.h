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

// A file of the list that only an import as one of the game's models takes as a model: Import
// does not take its name, and it is no companion of another file of the list (707T.mdl or
// 70701.mdl beside 707.mdl), which goes with that model.
bool takes_import_as(ModelKind kind, std::string_view file, const std::vector<std::string>& listed,
                     const Names& weapon_names);

// The imports of a model that carries a name of its own, as the player type or weapon it is to
// replace: the same checks and the same copy, but each file, and each companion with it, takes
// the name of the game's file it stands for (707.mdl and 707T.mdl as gign.mdl and gignT.mdl).
// A file the game could not load under that name is refused: one that is no model, or one whose
// group files the game would look for elsewhere. A group file lies beside the model under the
// model's own name (70701.mdl) or under the name in the path the model stores for it, which is
// then the new one (gign01.mdl).

// The picked file as the player type's model.
Result<Imported> import_player_model_as(const Library& library, const ImportRequest& request,
                                        const std::string& player_type);

// The picked v_ file with whichever files of its own weapon lie beside it (v_balrog.mdl brings
// v_balrog_r.mdl, w_balrog.mdl and p_balrog.mdl), as the weapon's; a picked file named otherwise
// goes alone, as the weapon's left model.
Result<Imported> import_weapon_model_as(const Library& library, const ImportRequest& request,
                                        const std::string& weapon);

} // namespace core
