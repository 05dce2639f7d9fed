#pragma once

#include "core/result.h"

#include <optional>
#include <string>
#include <vector>

// The archives players download (.zip, .rar, .7z) as source folders: an archive in a folder opens
// like a folder itself, its path followed by the folders within it (C:\Downloads\pack.zip\models).
// What an import or a preview needs of one is taken out for the moment beside the library.
namespace core {

// A folder inside an archive: the archive file, and the folder's path within it, names joined
// with "/" (empty at the archive's top).
struct ArchiveFolder {
    Path archive;
    std::string inner;
};

// The archive folder that a source folder's path names; nothing for a folder on disk, or for a
// path that leads to no archive.
std::optional<ArchiveFolder> archive_folder(const Path& folder);

// The files of a source folder where they can be read: the folder itself, or for a folder inside
// an archive, the files that an import or a preview needs, taken out into a hidden folder of the
// program folder for as long as this lasts.
class SourceFiles final {
public:
    // For a folder inside an archive, takes out the model files of those names that lie in it,
    // each with the files beside it that are named as its companions (gignT.mdl, gignt.mdl,
    // gign01.mdl for gign.mdl), under their names in the archive. A folder that a killed run left
    // is cleared first.
    static Result<SourceFiles> open(const Path& source_folder,
                                    const std::vector<std::string>& model_files);

    SourceFiles(SourceFiles&& other) noexcept;
    SourceFiles& operator=(SourceFiles&&) = delete;
    SourceFiles(const SourceFiles&) = delete;
    SourceFiles& operator=(const SourceFiles&) = delete;
    ~SourceFiles();

    const Path& folder() const { return folder_; }

private:
    SourceFiles(Path folder, bool extracted, std::vector<Path> files)
        : folder_(std::move(folder)), extracted_(extracted), files_(std::move(files)) {}

    Path folder_;
    bool extracted_; // the folder was made for the files, and goes with them
    std::vector<Path> files_;
};

} // namespace core
