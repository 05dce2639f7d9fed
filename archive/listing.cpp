#include "archive/listing.h"

#include "archive/said.h"

#include "archive/shown_names.h"
#include "platform/names.h"

#include <algorithm>

namespace archive {

namespace {

std::size_t last_separator(std::string_view path) {
    return path.rfind('/');
}

// Hands each name of the path to the step in turn, until the step says no; empty names are
// skipped. False when a step said no.
template <typename Step> bool each_name(std::string_view path, Step step) {
    for (std::size_t start = 0; start <= path.size();) {
        const auto end = std::min(path.find('/', start), path.size());
        const auto name = path.substr(start, end - start);
        start = end + 1;
        if (!name.empty() && !step(name))
            return false;
    }
    return true;
}

// Puts the items in the order of their names, as a folder on disk lists them.
template <typename T, typename NameOf> void sort_by_name(std::vector<T>& items, NameOf name_of) {
    std::vector<std::string_view> names;
    names.reserve(items.size());
    for (const auto& item : items)
        names.push_back(name_of(item));
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const auto position : platform::listing_order(names))
        sorted.push_back(std::move(items[position]));
    items = std::move(sorted);
}

} // namespace

std::string_view Entry::name() const {
    const auto slash = last_separator(path);
    return std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
}

std::string_view Entry::folder() const {
    const auto slash = last_separator(path);
    return std::string_view(path).substr(0, slash == std::string::npos ? 0 : slash);
}

Listing::Listing(std::vector<Entry> files, const std::vector<std::string>& folders,
                 std::vector<LeftOut> left_out)
    : left_out_(std::move(left_out)), folders_(1) {
    for (const auto& folder : folders)
        add_folder(folder);
    files_.reserve(files.size());
    for (auto& file : files) {
        auto& folder = folders_[add_folder(file.folder())];
        if (!folder.files.emplace(platform::folded_name(file.name()), files_.size()).second) {
            left_out_.push_back(
                {shown_name(file.path), said("an earlier entry has the same name")});
            continue;
        }
        folder.file_order.push_back(files_.size());
        files_.push_back(std::move(file));
    }
    for (auto& folder : folders_) {
        sort_by_name(folder.subfolder_names,
                     [](const std::string& name) { return std::string_view(name); });
        sort_by_name(folder.file_order, [this](std::size_t file) { return files_[file].name(); });
    }
}

std::size_t Listing::add_folder(std::string_view path) {
    std::size_t at = 0;
    each_name(path, [&](std::string_view name) {
        const auto [found, added] =
            folders_[at].subfolders.emplace(platform::folded_name(name), folders_.size());
        const auto next = found->second;
        if (added) {
            folders_[at].subfolder_names.emplace_back(name);
            folders_.emplace_back(); // moves the folders: nothing refers into them past here
        }
        at = next;
        return true;
    });
    return at;
}

const Listing::Folder* Listing::folder_at(std::string_view path) const {
    const Folder* at = &folders_[0];
    const bool found = each_name(path, [&](std::string_view name) {
        const auto sub = at->subfolders.find(platform::folded_name(name));
        if (sub == at->subfolders.end())
            return false;
        at = &folders_[sub->second];
        return true;
    });
    return found ? at : nullptr;
}

bool Listing::has_folder(std::string_view folder) const {
    return folder_at(folder) != nullptr;
}

std::vector<std::string> Listing::subfolders(std::string_view folder) const {
    const auto* found = folder_at(folder);
    return found ? found->subfolder_names : std::vector<std::string>();
}

std::vector<const Entry*> Listing::files_in(std::string_view folder) const {
    std::vector<const Entry*> files;
    if (const auto* found = folder_at(folder)) {
        for (const auto file : found->file_order)
            files.push_back(&files_[file]);
    }
    return files;
}

const Entry* Listing::find(std::string_view folder, std::string_view name) const {
    const auto* found = folder_at(folder);
    if (!found)
        return nullptr;
    const auto file = found->files.find(platform::folded_name(name));
    return file == found->files.end() ? nullptr : &files_[file->second];
}

} // namespace archive
