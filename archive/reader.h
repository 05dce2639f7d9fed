#pragma once

#include "archive/input.h"
#include "archive/listing.h"
#include "platform/file_system.h"

#include <functional>
#include <vector>

// Reading the archives players download, .zip, .rar and .7z, through libarchive: their regular
// files only, never one whose path would lead out of the folder it is extracted to or holds a name
// Windows refuses, a link, or a file larger than max_file_size, within the limits of limits.h.
namespace archive {

// Lists the archive's files and folders. Fails, with a text that names the archive and says why,
// where it cannot be opened or read (damaged, protected by a password, or of another kind). A
// listing's texts say which entries it leaves out and why, and which files a password protects.
Result<Listing> list(Input& input);

// Takes in one file of the archive: its entry, and its content piece by piece.
using Take = std::function<Result<>(const Entry& file, const platform::Pieces& content)>;

// Hands each chosen file, as the archive's listing gave it, to take in the archive's order. Fails
// before anything is read where the chosen files' sizes come to more than max_extracted_size. A
// file's content fails where the archive is damaged, and once it has grown past max_file_size or
// all that was taken past max_extracted_size, whatever the headers said. Stops at the first
// failure; a file that is no longer where the listing found it is a failure too.
Result<> read_files(Input& input, const std::vector<Entry>& chosen, const Take& take);

} // namespace archive
