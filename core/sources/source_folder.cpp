#include "core/sources/source_folder.h"

#include "archive/archive_file.h"
#include "platform/file_system.h"

namespace core {

Result<SourceFolder> SourceFolder::at(const Path& path) {
    if (platform::is_listable_folder(path))
        return SourceFolder(path, std::nullopt);
    // Up from the path to the first name that exists: an archive file, or nothing.
    std::string inner;
    for (Path at = path; !at.empty() && !platform::is_folder(at);) {
        if (platform::is_ordinary_file(at)) {
            if (!archive::is_archive_name(at.file_name()))
                break;
            return SourceFolder(path, ArchiveFolder{at, inner});
        }
        const std::string name(at.file_name());
        if (!name.empty())
            inner = inner.empty() ? name : name + '/' + inner;
        Path above = at.folder();
        if (above == at)
            break;
        at = std::move(above);
    }
    return fail(said("%1 cannot be opened: there is no such folder, or Tessary may not read it.",
                     platform::native_path(path)));
}

} // namespace core
