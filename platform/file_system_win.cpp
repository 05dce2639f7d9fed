#include "platform/file_system.h"
#include "platform/file_system_detail.h"

#include <windows.h>

#include <utility>

// Windows is the system's home: its paths are used as they stand, through the 8-bit functions.
namespace platform {

namespace {

std::error_code last_error() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

std::error_code unless(BOOL succeeded) {
    return succeeded ? std::error_code{} : last_error();
}

std::error_code next_copy_fault;

// Starts the target as a copy would, and stops with the planned error.
BOOL copy_part_way(const std::string& to) {
    const HANDLE file = CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    WriteFile(file, "part", 4, &written, nullptr);
    CloseHandle(file);
    SetLastError(static_cast<DWORD>(std::exchange(next_copy_fault, {}).value()));
    return FALSE;
}

} // namespace

std::string native_path(const std::string& path) {
    return path;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool is_ordinary_file(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

std::vector<FolderEntry> list_folder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    const bool ends_in_separator =
        !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    WIN32_FIND_DATAA found;
    const HANDLE search =
        FindFirstFileA((folder + (ends_in_separator ? "*" : "\\*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const DWORD attributes = found.dwFileAttributes;
        entries.push_back({name, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (attributes & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    detail::sort_listing(entries);
    return entries;
}

std::error_code create_folder(const std::string& path) {
    return unless(CreateDirectoryA(path.c_str(), nullptr));
}

std::error_code remove_empty_folder(const std::string& path) {
    return unless(RemoveDirectoryA(path.c_str()));
}

void detail::fail_next_copy_part_way(std::error_code error) {
    next_copy_fault = error;
}

std::error_code copy_file(const std::string& from, const std::string& to) {
    const BOOL copied =
        next_copy_fault ? copy_part_way(to) : CopyFileA(from.c_str(), to.c_str(), TRUE);
    if (copied)
        return {};
    const auto error = last_error();
    // The copy was refused an existing target, which stays; anything else may have left a part.
    if (error.value() != ERROR_FILE_EXISTS && error.value() != ERROR_ALREADY_EXISTS)
        DeleteFileA(to.c_str());
    return error;
}

std::error_code delete_file(const std::string& path) {
    return unless(DeleteFileA(path.c_str()));
}

std::error_code rename_file(const std::string& from, const std::string& to) {
    return unless(MoveFileExA(from.c_str(), to.c_str(), 0));
}

std::error_code check_readable(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return last_error();
    CloseHandle(file);
    return {};
}

} // namespace platform
