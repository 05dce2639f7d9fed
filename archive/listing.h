#pragma once

#include "archive/limits.h"
#include "platform/message.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace archive {

// A file inside an archive.
struct Entry {
    std::string path;       // its names from the archive's top, joined with "/"
    std::uint64_t size = 0; // as its header gives it
    std::size_t index = 0;  // its place among the archive's entries, counted from 0

    std::string_view name() const;   // the last name of its path
    std::string_view folder() const; // the path of its folder; empty at the archive's top
};

// An entry of an archive that Tessary does not list, and why.
struct LeftOut {
    std::string path; // as the user is shown it (shown_name)
    platform::Message reason;
};

// What an archive holds, to browse like folders on disk: its files, and the folders that they
// and the archive's folder entries make. Paths of inner folders are names joined with "/" (the
// archive's top is the empty path); names are looked up without regard to case, as the game's
// file systems look them up, and so are two entries whose paths differ only in case one entry:
// the first one is listed. The folders are a tree walked name by name, never recursively.
class Listing final {
public:
    // The candidate files and folders in the archive's order; those that repeat a path are left
    // out too.
    Listing(std::vector<Entry> files, const std::vector<std::string>& folders,
            std::vector<LeftOut> left_out);

    const std::vector<Entry>& files() const { return files_; }
    const std::vector<LeftOut>& left_out() const { return left_out_; }

    bool has_folder(std::string_view folder) const;
    // The names of a folder's subfolders, and its files, in order of their names without regard
    // to case, as a folder on disk lists.
    std::vector<std::string> subfolders(std::string_view folder) const;
    std::vector<const Entry*> files_in(std::string_view folder) const;
    // The file of that name in the folder; nullptr when there is none.
    const Entry* find(std::string_view folder, std::string_view name) const;

private:
    struct Folder {
        std::vector<std::string> subfolder_names;                // as first written
        std::vector<std::size_t> file_order;                     // into files_
        std::unordered_map<std::string, std::size_t> subfolders; // folded name to folder
        std::unordered_map<std::string, std::size_t> files;      // folded name to file
    };
    // The folder at the path, made with those it lies in where they are missing.
    std::size_t add_folder(std::string_view path);
    const Folder* folder_at(std::string_view path) const;

    std::vector<Entry> files_;
    std::vector<LeftOut> left_out_;
    std::vector<Folder> folders_; // the archive's top first
};

} // namespace archive
