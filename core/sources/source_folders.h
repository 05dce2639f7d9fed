#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"

#include <string>
#include <vector>

// What the import windows' source browser shows of the folders on disk and inside archives.
namespace core {

// Where the kind's import window opens: the folder of its last import, else the game directory;
// an empty path when neither can be listed.
Result<Path> first_source_folder(const Library& library, ModelKind kind);

// Remembers the folder of an import, where the kind's import window opens next time.
void remember_source_folder(const Library& library, ModelKind kind, const SourceFolder& folder);

// What the source browser shows of a folder, in listing order.
struct SourceListing {
    std::vector<std::string> folders;  // its subfolders that are not hidden
    std::vector<std::string> archives; // its .zip, .rar and .7z files, which open like folders
    std::vector<std::string> files;    // its files that match the pattern
};

// Lists the folder's files that match the pattern ("*" and "?" wildcards) without regard to case.
// A failure says why a folder inside an archive cannot be listed; an archive that holds files
// Tessary leaves out says which, and why, as its top is listed.
Result<SourceListing> list_source_folder(const SourceFolder& folder, const std::string& pattern);

} // namespace core
