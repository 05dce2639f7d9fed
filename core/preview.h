#pragma once

#include "core/model_kinds.h"

#include <string>

// Previews in the model viewer mdl.exe of the program folder, and the console that the windows
// with a Preview button hold while they are open, so that a console viewer has somewhere to
// write. A preview returns once the viewer has been closed; a viewer that is missing or cannot
// start does nothing.
namespace core {

// The picked file of a source folder; empty when none is picked. A file inside an archive is
// taken out with its companions for as long as the viewer runs.
Result<> preview_source_file(const Path& folder, const std::string& picked_file);

// A library model of the player type or weapon: a player model's file, whether it is there or
// not, or a weapon's left model, else its right one, else nothing.
Result<> preview_library_model(ModelKind kind, const std::string& name, const std::string& model);

// Sets the console up. True when its appearance took the focus from the window, which then shows
// itself at once.
Result<bool> hold_console();

void release_console();

} // namespace core
