#include "core/sources/source_folders.h"

#include "archive/archive_file.h"
#include "core/game/game_directory.h"
#include "platform/file_system.h"
#include "platform/names.h"

namespace core {

namespace {

// A name matches a wildcard pattern ("*" and "?"), both compared in their folded forms.
bool matches_pattern(const std::string& any_case_name, const std::string& any_case_pattern) {
    const auto name = platform::folded_name(any_case_name);
    const auto pattern = platform::folded_name(any_case_pattern);
    // Greedy matching with one point to return to after the last star.
    std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

SourceListing list_folder_on_disk(const Path& folder, const std::string& pattern) {
    SourceListing listing;
    for (auto& entry : platform::list_folder(folder)) {
        if (entry.is_hidden || entry.is_system)
            continue;
        if (entry.is_folder)
            listing.folders.push_back(entry.name);
        else if (archive::is_archive_name(entry.name))
            listing.archives.push_back(entry.name);
        if (!entry.is_folder && matches_pattern(entry.name, pattern))
            listing.files.push_back(std::move(entry.name));
    }
    return listing;
}

Result<SourceListing> list_archive_folder(const ArchiveFolder& folder, const std::string& pattern) {
    const auto archive = archive::list(folder.archive);
    if (!archive)
        return archive.failure();
    if (!folder.inner.empty() && !archive->has_folder(folder.inner))
        return fail(said("%1 holds no folder %2 any more.", platform::native_path(folder.archive),
                         folder.inner));
    Result<SourceListing> listing = SourceListing{archive->subfolders(folder.inner), {}, {}};
    for (const auto* file : archive->files_in(folder.inner)) {
        if (matches_pattern(std::string(file->name()), pattern))
            listing->files.emplace_back(file->name());
    }
    // What the archive leaves out is told as its top is listed.
    if (folder.inner.empty())
        listing.after(archive);
    return listing;
}

} // namespace

Result<Path> first_source_folder(const Library& library, ModelKind kind) {
    const Path stored(
        library.settings().read("lastpath", facts(kind).last_folder_key).value_or(""));
    if (!stored.empty() && SourceFolder::at(stored))
        return stored;
    const auto game = game_directory();
    Result<Path> folder = Path();
    if (game && !game->empty() && platform::is_listable_folder(*game))
        folder = *game;
    return std::move(folder.after(game));
}

void remember_source_folder(const Library& library, ModelKind kind, const SourceFolder& folder) {
    library.settings().write("lastpath", facts(kind).last_folder_key, folder.path().text());
}

Result<SourceListing> list_source_folder(const SourceFolder& folder, const std::string& pattern) {
    if (const auto& inside = folder.in_archive())
        return list_archive_folder(*inside, pattern);
    return list_folder_on_disk(folder.path(), pattern);
}

} // namespace core
