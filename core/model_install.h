#pragma once

#include "core/model_kinds.h"

#include <string>
#include <vector>

// Installing a library model over the game's files.
namespace core {

// The entries of a player type's or weapon's library folder, model folders, files and hidden
// entries alike (system entries aside), last listed first.
std::vector<std::string> list_models(ModelKind kind, const std::string& name);

// The model holds that file as an ordinary file.
bool model_has_file(ModelKind kind, const std::string& name, const std::string& model,
                    const std::string& file);

// Replaces the game's files of those names for the player type or weapon with the model's own,
// and puts the companions each one names beside it, all or nothing; a model must be picked, and
// it must hold those companions. The game directory is looked up afresh for each file.
Result<> install_model(ModelKind kind, const std::string& name, const std::string& model,
                       const std::vector<std::string>& files);

} // namespace core
