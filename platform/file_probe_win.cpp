#include "platform/file_probe.h"

#include <windows.h>

#include <string_view>

namespace platform {

namespace {

class Handle final {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

HANDLE open_existing(const std::string& path, DWORD access, DWORD flags) {
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, flags, nullptr);
}

} // namespace

std::optional<std::string> read_regular_file(const std::string& path, std::size_t max_size) {
    // Without backup semantics a folder cannot be opened, so it counts as missing.
    const Handle file(open_existing(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL));
    LARGE_INTEGER size;
    if (file.get() == INVALID_HANDLE_VALUE || GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileSizeEx(file.get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > max_size)
        return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr))
            return std::nullopt;
        if (count == 0)
            return content;
        if (content.size() + count > max_size)
            return std::nullopt;
        content.append(buffer, count);
    }
}

std::optional<std::string> resolved_folder(const std::string& path) {
    const Handle folder(open_existing(path, FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS));
    BY_HANDLE_FILE_INFORMATION information;
    if (folder.get() == INVALID_HANDLE_VALUE ||
        !GetFileInformationByHandle(folder.get(), &information) ||
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

} // namespace platform
