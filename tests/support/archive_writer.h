#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Archives made for the tests: zip, 7z and tar through libarchive's writer, and RAR 5, which it
// cannot write, put together by hand of stored files, folders and redirections.
struct ArchiveItem {
    // Junctions and copies of another entry are RAR 5's alone.
    enum class Kind { file, folder, link, junction, file_copy } kind = Kind::file;
    std::string path;
    std::string content = {};                   // a file's bytes, or where a redirection leads
    std::optional<std::uint64_t> declared = {}; // RAR only: the size its header gives, if another
};

// The archive's bytes. format is "zip", "7zip" or "ustar", as libarchive names them, or "rar5";
// options are the writer's own ("zip:encryption=zipcrypt" encrypts with the password "secret").
std::string archive_of(const std::string& format, const std::vector<ArchiveItem>& items,
                       const std::string& options = "");
