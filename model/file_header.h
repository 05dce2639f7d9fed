#pragma once

#include "model/file_bytes.h"

namespace model {

enum class FileKind { main, textures, group };

// Refuses a file that is not of the kind asked for, is of another version than 10, or is shorter
// than its header says.
void check_file_header(const FileBytes& file, FileKind kind);

} // namespace model
