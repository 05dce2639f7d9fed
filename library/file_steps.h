#pragma once

#include "library/result.h"

#include <string>

// The steps that put files into the library, worded for the user when they fail.
namespace library {

// Creates one folder level.
Result make_folder(const std::string& folder);

// Copies a file whole to a name that must not exist yet.
Result copy_whole_file(const std::string& from, const std::string& to);

} // namespace library
