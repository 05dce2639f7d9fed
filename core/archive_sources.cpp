#include "core/archive_sources.h"

#include "archive/archive_file.h"
#include "core/file_steps.h"
#include "model/companions.h"
#include "platform/file_system.h"
#include "platform/names.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

// The hidden folder beside the library into which files are taken out of archives.
Path extraction_folder() {
    return platform::staged_path(platform::program_folder() / "extracted");
}

// Removes a folder of files, as an extraction leaves it; false when something stays.
bool remove_files_and_folder(const Path& folder) {
    for (const auto& entry : platform::list_folder(folder)) {
        if (!entry.is_folder)
            (void)platform::delete_file(folder / entry.name);
    }
    return platform::remove_empty_folder(folder).ok() || !platform::exists(folder);
}

// The file is one of the model files, or is named as a companion of one.
bool belongs_to(std::string_view file, const std::vector<std::string>& model_files) {
    const auto owners = {std::string(file), model::texture_file_owner(file),
                         model::group_file_owner(file)};
    return std::any_of(model_files.begin(), model_files.end(), [&](const std::string& model) {
        return std::any_of(owners.begin(), owners.end(), [&](const std::string& owner) {
            return platform::same_name(owner, model);
        });
    });
}

// Says that the folder inside an archive holds none of the files any longer.
std::string no_longer_holds(const Path& folder, const std::vector<std::string>& files) {
    std::string names;
    for (std::size_t i = 0; i < files.size(); ++i)
        names += (i == 0 ? "" : i + 1 < files.size() ? ", " : " or ") + files[i];
    return platform::native_path(folder) + " no longer holds " + names +
           ": the archive has changed since Tessary listed it.";
}

} // namespace

std::optional<ArchiveFolder> archive_folder(const Path& folder) {
    std::string inner;
    for (Path path = folder; !path.empty() && !platform::is_folder(path);) {
        if (platform::is_ordinary_file(path))
            return archive::is_archive_name(path.file_name())
                       ? std::optional(ArchiveFolder{path, inner})
                       : std::nullopt;
        const std::string name(path.file_name());
        if (!name.empty())
            inner = inner.empty() ? name : name + '/' + inner;
        Path above = path.folder();
        if (above == path)
            break;
        path = std::move(above);
    }
    return std::nullopt;
}

Result<SourceFiles> SourceFiles::open(const Path& source_folder,
                                      const std::vector<std::string>& model_files) {
    const auto source = archive_folder(source_folder);
    if (!source)
        return SourceFiles(source_folder, false, {});
    const auto listing = archive::list(source->archive);
    if (!listing)
        return listing.failure();
    std::vector<archive::Entry> chosen;
    for (const auto* file : listing->files_in(source->inner)) {
        if (belongs_to(file->name(), model_files))
            chosen.push_back(*file);
    }
    // The picked file was listed there: an archive that has changed since may have lost it.
    if (std::none_of(model_files.begin(), model_files.end(),
                     [&](const std::string& file) { return listing->find(source->inner, file); }))
        return fail(no_longer_holds(source_folder, model_files));
    const auto folder = extraction_folder();
    if (platform::exists(folder) && !remove_files_and_folder(folder))
        return fail("The folder " + platform::native_path(folder) +
                    ", into which Tessary takes files out of archives, could not be cleared.");
    Undo undo;
    if (auto made = make_folder(folder, undo); !made)
        return made.failure();
    auto files = archive::extract(source->archive, chosen, folder);
    if (!files)
        return files.failure();
    undo.keep();
    return SourceFiles(folder, true, std::move(*files));
}

SourceFiles::SourceFiles(SourceFiles&& other) noexcept
    : folder_(std::move(other.folder_)), extracted_(std::exchange(other.extracted_, false)),
      files_(std::move(other.files_)) {}

SourceFiles::~SourceFiles() {
    if (!extracted_)
        return;
    for (const auto& file : files_)
        (void)platform::delete_file(file);
    (void)platform::remove_empty_folder(folder_);
}

} // namespace core
