#pragma once

#include "core/model_kinds.h"
#include "core/settings.h"

#include <string>
#include <vector>

// What the import windows' source browser shows of the folders on disk.
namespace core {

// Where the kind's import window opens: the folder of its last import, else the game directory,
// as native paths; an empty path when neither can be listed.
Result<Path> first_source_folder(ModelKind kind, const Settings& settings);

// What the source browser shows of a folder, in listing order.
struct SourceListing {
    std::vector<std::string> folders;  // its subfolders that are not hidden
    std::vector<std::string> archives; // its .zip, .rar and .7z files, which open like folders
    std::vector<std::string> files;    // its files that match the pattern
};

// Lists a folder on disk, or a folder inside an archive, whose files match the pattern ("*" and
// "?" wildcards) without regard to case. A failure, without a text, where there is no such
// folder, and with a text that says why where the archive it lies in cannot be read. An archive
// that holds files Tessary leaves out says which, and why, as its top is listed.
Result<SourceListing> list_source_folder(const Path& folder, const std::string& pattern);

} // namespace core
