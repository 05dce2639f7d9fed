#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"

#include <functional>
#include <optional>
#include <string>

// Previews in the model viewer mdl.exe of the program folder, and the console that the windows
// with a Preview button hold while they are open, so that a console viewer has somewhere to
// write. A preview returns once the viewer has been closed; while it runs, while_viewing is
// called every few hundredths of a second, for the windows to keep themselves drawn.
namespace core {

using WhileViewing = std::function<void()>;

// The picked file of a source folder; a file must be picked. A file inside an archive is taken
// out with its companions for as long as the viewer runs.
Result<> preview_source_file(const Library& library, const std::optional<SourceFolder>& folder,
                             const std::string& picked_file,
                             const WhileViewing& while_viewing = {});

// A library model: a player model's file, whether it is there or not, or a weapon's left model,
// else its right one, else nothing.
Result<> preview_library_model(const Library& library, const LibraryModel& model,
                               const WhileViewing& while_viewing = {});

// Any model file on disk, such as one the Check window lists.
Result<> preview_file(const Library& library, const Path& file,
                      const WhileViewing& while_viewing = {});

// Sets the console up. True when its appearance took the focus from the window, which then shows
// itself at once.
Result<bool> hold_console();

void release_console();

} // namespace core
