#pragma once

#include <string>

// libarchive's reader and entry (archive/libarchive.h), which users of this header need not see.
struct archive_handle;
struct archive_entry;

// The paths of an archive's entries in UTF-8, whatever script they are written in. Paths that an
// archive marks as UTF-8, and those of the formats that always hold Unicode (7z, RAR 5), arrive as
// they are. The others, zip entries without the UTF-8 flag as Windows' own compressed folders
// write them and RAR 4 entries without a Unicode name, are in the OEM code page of the system
// that made the archive, and are read in the legacy code page. A path reads the same each time
// the archive is read, so that a file listed is found again to extract it.
namespace archive {

// The code page of paths that an archive does not mark as Unicode: the OEM code page of a Windows
// system in the user's language (platform/code_pages.h).
unsigned legacy_code_page();

// Tells the reader, before the archive opens, how to read paths in the legacy code page.
void read_legacy_paths(archive_handle* handle);

// An entry's path in UTF-8; where it cannot be read as text, what the archive holds of it.
struct EntryPath {
    std::string text;
    bool readable = false;
};

EntryPath entry_path(archive_entry* entry);

} // namespace archive
