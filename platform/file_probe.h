#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Looking at folders and files that other programs keep, which may be anything: a link that
// leads in a circle, a folder or a pipe where a file belongs, a file of any size. Paths are the
// system's own, as in file_system.h.
namespace platform {

// The whole content of a regular file no larger than max_size bytes. Nothing when the path is
// missing, is anything but a regular file (a folder, a pipe, a device), cannot be read, or is
// larger.
std::optional<std::string> read_regular_file(const std::string& path, std::size_t max_size);

// The folder's path with every link resolved, the same for every way of naming one folder.
// Nothing when there is no folder there, or its links cannot be resolved.
std::optional<std::string> resolved_folder(const std::string& path);

} // namespace platform
