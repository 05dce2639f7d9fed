#pragma once

#include "library/result.h"

#include <string>

namespace library {

// The text of readme.txt in the program folder, its lines joined with line feeds.
Result<std::string> readme_text();

} // namespace library
