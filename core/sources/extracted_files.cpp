#include "core/sources/extracted_files.h"

#include "archive/archive_file.h"
#include "model/companions.h"
#include "platform/extraction_folder.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

// The hidden folder beside the library into which files are taken out of archives.
Path extraction_folder(const Library& library) {
    return library.program_file(platform::extraction_folder_name);
}

// Removes the extraction folder and what is in it, never following a link that stands there.
Result<> clear_extraction_folder(const Library& library) {
    const auto folder = extraction_folder(library);
    if (const auto removed = platform::remove_own_folder(folder); !removed)
        return fail(said("The folder %1, into which Tessary takes files out of archives, could not "
                         "be cleared: %2.",
                         platform::native_path(folder), removed.why()));
    return {};
}

// The file is one of the model files, or is named as a companion of one, or as a group file of
// one of the new names.
bool belongs_to(std::string_view file, const std::vector<std::string>& model_files,
                const std::vector<std::string>& new_names) {
    const auto of_model = [&](const std::string& model) {
        return platform::same_name(file, model) || model::may_be_companion(file, model);
    };
    const auto group_file_of = [&](const std::string& name) {
        return platform::same_name(model::group_file_owner(file), name);
    };
    return std::ranges::any_of(model_files, of_model) ||
           std::ranges::any_of(new_names, group_file_of);
}

// Says that the folder inside an archive holds none of the files any longer.
Message no_longer_holds(const Path& folder, const std::vector<std::string>& files) {
    Message names = said("%1", files.front());
    for (std::size_t i = 1; i < files.size(); ++i)
        names = i + 1 < files.size() ? said("%1, %2", names, files[i])
                                     : said("%1 or %2", names, files[i]);
    return said("%1 no longer holds %2: the archive has changed since Tessary listed it.",
                platform::native_path(folder), names);
}

} // namespace

Result<ExtractedFiles> ExtractedFiles::open(const Library& library, const SourceFolder& folder,
                                            const std::vector<std::string>& model_files,
                                            const std::vector<std::string>& new_names) {
    const auto& source = folder.in_archive();
    if (!source)
        return ExtractedFiles(folder.path(), false);
    const auto listing = archive::list(source->archive);
    if (!listing)
        return listing.failure();
    std::vector<archive::Entry> chosen;
    for (const auto* file : listing->files_in(source->inner)) {
        if (belongs_to(file->name(), model_files, new_names))
            chosen.push_back(*file);
    }
    // The picked file was listed there: an archive that has changed since may have lost it.
    if (std::none_of(model_files.begin(), model_files.end(),
                     [&](const std::string& file) { return listing->find(source->inner, file); }))
        return fail(no_longer_holds(folder.path(), model_files));
    if (auto cleared = clear_extraction_folder(library); !cleared)
        return cleared.failure();
    const auto extracted = extraction_folder(library);
    if (const auto made = platform::create_folder(extracted); !made)
        return fail(said("The folder %1 could not be created: %2.",
                         platform::native_path(extracted), made.why()));
    // From here on the folder goes with the files, whether they could be taken out or not.
    ExtractedFiles files(extracted, true);
    if (auto taken = archive::extract(source->archive, chosen, extracted); !taken)
        return taken.failure();
    return files;
}

ExtractedFiles::ExtractedFiles(ExtractedFiles&& other) noexcept
    : folder_(std::move(other.folder_)), extracted_(std::exchange(other.extracted_, false)) {}

Result<> remove_extracted_leftovers(const Library& library) {
    return clear_extraction_folder(library);
}

ExtractedFiles::~ExtractedFiles() {
    if (!extracted_)
        return;
    (void)platform::remove_own_folder(folder_);
}

} // namespace core
