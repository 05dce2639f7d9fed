#pragma once

#include "core/library/library.h"

#include <string>
#include <vector>

// Installing a library model over the game's files.
namespace core {

// The entries of a player type's or weapon's library folder, model folders, files and hidden
// entries alike (system entries aside), last listed first.
std::vector<std::string> list_models(const Library& library, ModelKind kind,
                                     const std::string& type);

// The model holds that file as an ordinary file.
bool model_has_file(const Library& library, const LibraryModel& model, const std::string& file);

// Replaces the game's files of those names for the model's player type or weapon with the model's
// own, and puts the companions each one names beside it, all or nothing; a model must be picked,
// and it must hold those companions.
Result<> install_model(const Library& library, const LibraryModel& model,
                       const std::vector<std::string>& files);

} // namespace core
