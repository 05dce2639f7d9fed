#pragma once

#include "core/result.h"

#include <string>

namespace core {

// The text of readme.txt in the program folder, its lines joined with line feeds.
Result<std::string> readme_text();

} // namespace core
