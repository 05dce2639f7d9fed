#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"

#include <string>
#include <vector>

namespace core {

// The files of a source folder where they can be read: the folder itself, or for a folder inside
// an archive, the files that an import or a preview needs, taken out into a hidden folder of the
// program folder for as long as this lasts.
class ExtractedFiles final {
public:
    // For a folder inside an archive, takes out the model files of those names that lie in it,
    // each with the files beside it that are named as its companions (gignT.mdl, gignt.mdl,
    // gign01.mdl for gign.mdl), under their names in the archive; and the files named as group
    // files of the new names, those the model files are to take (gign01.mdl for 707.mdl taking
    // gign.mdl), where a model may store that its group files are. A folder that a killed run
    // left is cleared first.
    static Result<ExtractedFiles> open(const Library& library, const SourceFolder& folder,
                                       const std::vector<std::string>& model_files,
                                       const std::vector<std::string>& new_names = {});

    ExtractedFiles(ExtractedFiles&& other) noexcept;
    ExtractedFiles& operator=(ExtractedFiles&&) = delete;
    ExtractedFiles(const ExtractedFiles&) = delete;
    ExtractedFiles& operator=(const ExtractedFiles&) = delete;
    ~ExtractedFiles();

    // The folder that holds the files.
    const Path& folder() const { return folder_; }

private:
    ExtractedFiles(Path folder, bool extracted)
        : folder_(std::move(folder)), extracted_(extracted) {}

    Path folder_;
    bool extracted_; // the folder was made for the files, and goes with them
};

// Removes what a killed run took out of archives and left behind.
Result<> remove_extracted_leftovers(const Library& library);

} // namespace core
