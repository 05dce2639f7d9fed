#include "archive/listing.h"

#include "platform/names.h"

namespace archive {

namespace {

std::size_t last_separator(std::string_view path) {
    return path.rfind('/');
}

std::string joined(std::string_view folder, std::string_view name) {
    return folder.empty() ? std::string(name) : std::string(folder) + '/' + std::string(name);
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
    : left_out_(std::move(left_out)) {
    folders_[""]; // the archive's top, which is there even when it holds nothing
    for (const auto& folder : folders)
        add_folder(folder);
    files_.reserve(files.size());
    for (auto& file : files) {
        auto folded = platform::folded_name(file.path);
        if (file_paths_.contains(folded)) {
            left_out_.push_back({std::move(file.path), "an earlier entry has the same name"});
            continue;
        }
        file_paths_.emplace(std::move(folded), files_.size());
        folders_[add_folder(file.folder())].files.push_back(files_.size());
        files_.push_back(std::move(file));
    }
    for (auto& [path, folder] : folders_) {
        sort_by_name(folder.subfolders,
                     [](const std::string& name) { return std::string_view(name); });
        sort_by_name(folder.files, [this](std::size_t file) { return files_[file].name(); });
    }
}

std::string Listing::add_folder(std::string_view path) {
    auto folded = platform::folded_name(path);
    if (folders_.contains(folded))
        return folded;
    folders_[folded];
    const auto slash = last_separator(path);
    const auto parent = add_folder(path.substr(0, slash == std::string::npos ? 0 : slash));
    folders_[parent].subfolders.emplace_back(
        path.substr(slash == std::string::npos ? 0 : slash + 1));
    return folded;
}

const Listing::Folder* Listing::folder_at(std::string_view path) const {
    const auto found = folders_.find(platform::folded_name(path));
    return found == folders_.end() ? nullptr : &found->second;
}

bool Listing::has_folder(std::string_view folder) const {
    return folder_at(folder) != nullptr;
}

std::vector<std::string> Listing::subfolders(std::string_view folder) const {
    const auto* found = folder_at(folder);
    return found ? found->subfolders : std::vector<std::string>();
}

std::vector<const Entry*> Listing::files_in(std::string_view folder) const {
    std::vector<const Entry*> files;
    if (const auto* found = folder_at(folder)) {
        for (const auto file : found->files)
            files.push_back(&files_[file]);
    }
    return files;
}

const Entry* Listing::find(std::string_view folder, std::string_view name) const {
    const auto found = file_paths_.find(platform::folded_name(joined(folder, name)));
    return found == file_paths_.end() ? nullptr : &files_[found->second];
}

} // namespace archive
