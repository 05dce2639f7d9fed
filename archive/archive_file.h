#pragma once

#include "archive/listing.h"
#include "platform/path.h"
#include "platform/result.h"

#include <string_view>
#include <vector>

// Archive files on disk, as the import windows open them like folders.
namespace archive {

// A file name of a kind of archive that opens like a folder: .zip, .rar or .7z, in any case.
bool is_archive_name(std::string_view file_name);

// The archive's files and folders, as list(Input&) gives them; fails where the archive cannot be
// opened or read, with a text that says why.
platform::Result<Listing> list(const platform::Path& archive);

// Extracts the chosen files, as the archive's listing gave them, into the folder, each under the
// last name of its path; none of those names may be taken there yet. All or nothing: each file is
// written beside its target first and takes its name once whole, and when one fails, those
// already made are removed again. Gives the files made, in the order chosen.
platform::Result<std::vector<platform::Path>> extract(const platform::Path& archive,
                                                      const std::vector<Entry>& chosen,
                                                      const platform::Path& folder);

} // namespace archive
