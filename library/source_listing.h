#pragma once

#include <string>
#include <vector>

// What the import windows' source browser shows of a folder on disk.
namespace library {

// The folder's subfolders that are not hidden, in listing order.
std::vector<std::string> source_subfolders(const std::string& folder);

// The folder's ordinary files whose names match the pattern ("*" and "?" wildcards) without
// regard to case, in listing order.
std::vector<std::string> source_files(const std::string& folder, const std::string& pattern);

} // namespace library
