#pragma once

#include "core/library/library.h"

#include <string>

namespace core {

// The text of the readme in the program folder, its lines joined with line feeds: in the language
// of that code where the folder holds one in it (readme.ru.txt), else readme.txt.
Result<std::string> readme_text(const Library& library, const std::string& language);

} // namespace core
