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

// What to ask the user before the install: for each of the files that servers would refuse, a
// question that names it and the model, says by how much it is too big and how far servers
// allow, and asks whether to install it all the same. Files that cannot be judged ask nothing; the
// install says what is wrong with them.
Messages questions_before_install(const Library& library, const LibraryModel& model,
                                  const std::vector<std::string>& files);

// Replaces the game's files of those names for the model's player type or weapon with the model's
// own, and puts the companions each one names beside it, all or nothing; a model must be picked,
// it must hold those companions, and the game must be able to load each of its files.
Result<> install_model(const Library& library, const LibraryModel& model,
                       const std::vector<std::string>& files);

} // namespace core
