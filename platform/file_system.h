#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// The file-system operations Tessary needs. Every path here is the system's own: built by
// concatenation with backslashes (and drive letters), held in the system's 8-bit encoding.
// This layer is the one place that turns such a path into a native one, and it looks names up
// without regard to case, as the system's home platform does.
namespace platform {

// The native form of a path. On Linux every backslash becomes a slash, a drive letter maps into
// the Wine prefix, and each missing name is matched without regard to case.
std::string native_path(const std::string& path);

// A file or a folder of that name exists.
bool exists(const std::string& path);

// An ordinary file: not a folder, neither hidden nor a system file.
bool is_ordinary_file(const std::string& path);

// The name of the first ordinary file of a folder, in listing order; nothing when the folder is
// missing or holds none.
std::optional<std::string> first_ordinary_file(const std::string& folder);

struct FolderEntry {
    std::string name;
    bool is_folder = false;
    bool is_hidden = false;
    bool is_system = false; // a file of the system's own, which the lists of models leave out
};

// A folder's entries, folders and hidden ones included, without "." and "..", in the platform's
// listing order: by name without regard to case. A missing folder lists nothing.
std::vector<FolderEntry> list_folder(const std::string& folder);

// Creates one folder level; its parent must exist.
std::error_code create_folder(const std::string& path);

// Removes a folder that is empty.
std::error_code remove_empty_folder(const std::string& path);

// Copies a file whole. It never overwrites: an existing target is an error. A copy that fails
// part-way leaves no target behind.
std::error_code copy_file(const std::string& from, const std::string& to);

std::error_code delete_file(const std::string& path);

// Renames a file within the file system; the new name must not exist.
std::error_code rename_file(const std::string& from, const std::string& to);

// Opens a file for reading and closes it again: an error when it cannot be read.
std::error_code check_readable(const std::string& path);

struct TextLines {
    std::vector<std::string> lines;
    std::error_code error; // the file could not be read; lines is then empty
};

// Reads up to max_lines lines of a text file. A line ends at CR LF or at a lone CR, never at a
// lone LF; the end is not part of the line, and a last line without an end is still a line.
TextLines read_lines(const std::string& path,
                     std::size_t max_lines = std::numeric_limits<std::size_t>::max());

// Appends the text and CR LF to a text file, creating the file when it is missing.
std::error_code append_line(const std::string& path, const std::string& text);

} // namespace platform
