#pragma once

#include "core/library/library.h"

#include <string>

namespace core {

// The text of readme.txt in the program folder, its lines joined with line feeds.
Result<std::string> readme_text(const Library& library);

} // namespace core
