#pragma once

#include "core/result.h"
#include "model/companions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The companions of a model file: the files beside it that the game loads parts of the model
// from, and without which it stops with an error when the model is first used. They travel with
// their model into the library, into the game and into backup sets.
namespace core {

struct Companion {
    std::string file; // the name the game looks for, "gignT.mdl"
    Message holds;    // what the game loads from it, "the textures of gign.mdl"
    int group = 0;    // the sequence group whose animations it holds; 0 for the texture file
};

// What the header of the model file at `model` says lies in its companions. Only the header is
// read: nothing for a file that is not a studio model, or cannot be read.
std::optional<model::CompanionNeeds> companion_needs_of(const Path& model);

// The companions of a model of those needs, named after `file_name`, the name the game knows the
// model by.
std::vector<Companion> companions_named(const model::CompanionNeeds& needs,
                                        std::string_view file_name);

// The companions that the model file at `model` names in its header, named after `file_name`: none
// for a file that is not a studio model, or cannot be read.
std::vector<Companion> companions_of(const Path& model, std::string_view file_name);

// Why the model file at `model`, called `file_name`, cannot be imported under a new name: it
// would miss a group file once the game loads it as `game_name`, its path in the game's folder
// ("models\player\gign\gign.mdl"), since the game loads each group file from the path the model
// stores and the file goes in beside the model under game_name's stem. Nothing when every group
// file would be found, as it is for a file that is not a model.
std::optional<Message> group_file_astray(const Path& model, std::string_view file_name,
                                         std::string_view game_name);

// What was to be done with the companions' model.
enum class Undone { import, install };

// What the user is told when a companion is missing from the folder it should lie in, and so
// nothing was done.
Message missing_companion(const Companion& companion, const Path& folder, Undone undone);

} // namespace core
