#pragma once

#include "core/result.h"

#include <optional>
#include <string>

namespace core {

// A folder inside an archive: the archive file, and the folder's path within it, names joined
// with "/" (empty at the archive's top).
struct ArchiveFolder {
    Path archive;
    std::string inner;
};

// A folder that model files are picked in: a folder on disk, or a folder inside one of the
// archives players download (.zip, .rar, .7z), whose path runs on from the archive's as though the
// archive were a folder (C:\Downloads\pack.zip\models). Which of the two a path names is decided
// once, as the folder is found.
class SourceFolder final {
public:
    // The folder the path names; a failure that says so when it names neither a folder on disk
    // that can be listed nor a folder that an archive on disk may hold.
    static Result<SourceFolder> at(const Path& path);

    const Path& path() const { return path_; }
    // Where the folder lies inside an archive; nothing for a folder on disk.
    const std::optional<ArchiveFolder>& in_archive() const { return archive_; }

private:
    SourceFolder(Path path, std::optional<ArchiveFolder> archive)
        : path_(std::move(path)), archive_(std::move(archive)) {}

    Path path_;
    std::optional<ArchiveFolder> archive_;
};

} // namespace core
