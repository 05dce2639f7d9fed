#include "platform/file_system.h"
#include "platform/file_system_detail.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string_view>
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

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void reset(HANDLE handle) {
        if (valid())
            CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

// Opens a file for reading only when it is an ordinary file on a disk: a folder, a device or a
// pipe is refused before anything is read from it.
std::error_code open_ordinary_file(const Path& path, Handle& file) {
    const DWORD attributes = GetFileAttributesA(path.text().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return last_error();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::make_error_code(std::errc::is_a_directory);
    Handle opened(CreateFileA(path.text().c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened.valid())
        return last_error();
    if (GetFileType(opened.get()) != FILE_TYPE_DISK)
        return detail::not_a_file();
    file.reset(opened.release());
    return {};
}

// Writes a new staged file for the target, hidden while it is written, from whatever fill writes
// into it; on any failure nothing is left staged.
template <typename Fill> std::error_code stage(const Path& target, Fill&& fill) {
    const std::string staged = staged_path(target).text();
    SetFileAttributesA(staged.c_str(), FILE_ATTRIBUTE_NORMAL); // left by a run that was killed
    DeleteFileA(staged.c_str());
    Handle out(CreateFileA(staged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!out.valid())
        return last_error();
    auto error = fill(out.get());
    if (!CloseHandle(out.release()) && !error)
        error = last_error();
    if (error)
        DeleteFileA(staged.c_str());
    return error;
}

std::error_code write_all(HANDLE out, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(out, data, chunk, &written, nullptr))
            return last_error();
        data += written;
        size -= written;
    }
    return {};
}

std::error_code copy_contents(HANDLE in, HANDLE out) {
    constexpr DWORD buffer_size = 1 << 20;
    const auto buffer = std::make_unique<char[]>(buffer_size);
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(in, buffer.get(), buffer_size, &count, nullptr))
            return last_error();
        if (count == 0)
            return {};
        if (auto error = write_all(out, buffer.get(), count))
            return error;
    }
}

} // namespace

std::string native_path(const Path& path) {
    return path.text();
}

bool exists(const Path& path) {
    return GetFileAttributesA(path.text().c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool is_folder(const Path& path) {
    const DWORD attributes = GetFileAttributesA(path.text().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> resolved_folder(const Path& path) {
    const Handle folder(CreateFileA(path.text().c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!folder.valid() || !GetFileInformationByHandle(folder.get(), &information) ||
        !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    char buffer[MAX_PATH * 4];
    const DWORD length = GetFinalPathNameByHandleA(folder.get(), buffer, sizeof buffer,
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= sizeof buffer)
        return std::nullopt;
    // The final path comes in its long form, \\?\C:\... or \\?\UNC\server\...
    std::string_view final_path(buffer, length);
    if (final_path.starts_with("\\\\?\\UNC\\"))
        return "\\\\" + std::string(final_path.substr(8));
    if (final_path.starts_with("\\\\?\\"))
        final_path.remove_prefix(4);
    return std::string(final_path);
}

bool is_listable_folder(const Path& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path.text() + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

bool is_ordinary_file(const Path& path) {
    const DWORD attributes = GetFileAttributesA(path.text().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

std::vector<FolderEntry> list_folder(const Path& folder) {
    std::vector<FolderEntry> entries;
    const auto& text = folder.text();
    const bool ends_in_separator = !text.empty() && (text.back() == '\\' || text.back() == '/');
    WIN32_FIND_DATAA found;
    const HANDLE search =
        FindFirstFileA((text + (ends_in_separator ? "*" : "\\*")).c_str(), &found);
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

std::error_code create_folder(const Path& path) {
    return unless(CreateDirectoryA(path.text().c_str(), nullptr));
}

std::error_code remove_empty_folder(const Path& path) {
    return unless(RemoveDirectoryA(path.text().c_str()));
}

std::error_code stage_copy(const Path& from, const Path& target) {
    Handle in(INVALID_HANDLE_VALUE);
    if (auto error = open_ordinary_file(from, in))
        return error;
    return stage(target, [&in](HANDLE out) { return copy_contents(in.get(), out); });
}

std::error_code copy_file(const Path& from, const Path& to) {
    if (exists(to))
        return {ERROR_FILE_EXISTS, std::system_category()};
    if (auto error = stage_copy(from, to))
        return error;
    const std::string staged = staged_path(to).text();
    auto error = unless(SetFileAttributesA(staged.c_str(), FILE_ATTRIBUTE_NORMAL));
    if (!error)
        error = unless(MoveFileExA(staged.c_str(), to.text().c_str(), 0));
    if (error)
        discard_staged(to);
    return error;
}

std::error_code put_staged_in_place(const Path& target) {
    const std::string staged = staged_path(target).text();
    if (auto error = unless(SetFileAttributesA(staged.c_str(), FILE_ATTRIBUTE_NORMAL)))
        return error;
    // Windows refuses to replace a read-only file; the game's own may be one.
    const DWORD attributes = GetFileAttributesA(target.text().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(target.text().c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return unless(MoveFileExA(staged.c_str(), target.text().c_str(), MOVEFILE_REPLACE_EXISTING));
}

void discard_staged(const Path& target) {
    const std::string staged = staged_path(target).text();
    SetFileAttributesA(staged.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(staged.c_str());
}

std::error_code delete_file(const Path& path) {
    return unless(DeleteFileA(path.text().c_str()));
}

std::error_code rename_file(const Path& from, const Path& to) {
    return unless(MoveFileExA(from.text().c_str(), to.text().c_str(), 0));
}

std::error_code check_readable(const Path& path) {
    Handle file(INVALID_HANDLE_VALUE);
    return open_ordinary_file(path, file);
}

std::error_code read_file(const Path& path, std::size_t max_size, std::string& content) {
    content.clear();
    Handle file(INVALID_HANDLE_VALUE);
    if (auto error = open_ordinary_file(path, file))
        return error;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        return last_error();
    if (static_cast<unsigned long long>(size.QuadPart) > max_size)
        return detail::too_large();
    content.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < content.size()) {
        DWORD count = 0;
        if (!ReadFile(file.get(), content.data() + got, static_cast<DWORD>(content.size() - got),
                      &count, nullptr))
            return last_error();
        if (count == 0)
            break;
        got += count;
    }
    content.resize(got);
    return {};
}

std::error_code write_file(const Path& path, std::string_view content) {
    const DWORD attributes = GetFileAttributesA(path.text().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return {ERROR_ACCESS_DENIED, std::system_category()};
    if (auto error = stage(
            path, [content](HANDLE out) { return write_all(out, content.data(), content.size()); }))
        return error;
    if (auto error = put_staged_in_place(path)) {
        discard_staged(path);
        return error;
    }
    return {};
}

} // namespace platform
