#pragma once

#include "core/model_kinds.h"
#include "core/settings.h"

#include <string>
#include <vector>

// What the import windows' source browser shows of the folders on disk.
namespace core {

// Where the kind's import window opens: the folder of its last import, else the game directory,
// as native paths; an empty path when neither can be listed.
Result<Path> first_source_folder(ModelKind kind, const Settings& settings);

// The folder's subfolders that are not hidden, in listing order.
std::vector<std::string> source_subfolders(const Path& folder);

// The folder's ordinary files whose names match the pattern ("*" and "?" wildcards) without
// regard to case, in listing order.
std::vector<std::string> source_files(const Path& folder, const std::string& pattern);

} // namespace core
