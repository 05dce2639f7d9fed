#include "platform/file_probe.h"
#include "platform/file_system.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Reads to the end; nothing once more than max_size bytes came.
std::optional<std::string> read_to_end(int fd, std::size_t max_size) {
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        const auto count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return content;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || content.size() + static_cast<std::size_t>(count) > max_size)
            return std::nullopt;
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

} // namespace

std::optional<std::string> read_regular_file(const std::string& path, std::size_t max_size) {
    const auto native = native_path(path);
    // Looked at before it is opened: opening a pipe or a device can wait, or have effects.
    struct stat info;
    if (stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    // Looked at again: the name may have been given to something else in between.
    std::optional<std::string> content;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        content = read_to_end(fd, max_size);
    ::close(fd);
    return content;
}

std::optional<std::string> resolved_folder(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        realpath(native_path(path).c_str(), nullptr), &std::free);
    struct stat info;
    if (!resolved || stat(resolved.get(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return std::string(resolved.get());
}

} // namespace platform
