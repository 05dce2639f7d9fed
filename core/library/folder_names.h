#pragma once

#include "core/result.h"

#include <string>

namespace core {

// A name the user typed for a model or a backup set is one that a folder can take on the
// system's home platform; else the failure says why.
Result<> check_folder_name(const std::string& name);

} // namespace core
