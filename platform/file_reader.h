#pragma once

#include "platform/path.h"
#include "platform/result.h"

#include <cstddef>
#include <cstdint>

namespace platform {

// An ordinary file opened for reading alone, from a position that can be moved anywhere in it,
// beyond 4 GB too: what a reader of a large file needs that looks up one part of it and then
// another, such as an archive's directory at its end.
class FileReader final {
public:
    // Only an ordinary file is opened, as read_file() takes one: a folder, a device or a pipe is
    // refused before anything is read from it.
    static Result<FileReader> open(const Path& path);

    FileReader(FileReader&& other) noexcept;
    FileReader& operator=(FileReader&& other) noexcept;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    // Reads up to size bytes from the position, which moves past them; fewer only at the end.
    Result<std::size_t> read(void* buffer, std::size_t size);

    // Reads up to size bytes from that many bytes from the start; fewer only at the end. One call
    // of the system, for a reader that wants many small parts; the position may move.
    Result<std::size_t> read_at(std::uint64_t offset, void* buffer, std::size_t size);

    // Moves the position to that many bytes from the start.
    Result<> seek(std::uint64_t position);

    // The size the file had when it was opened.
    std::uint64_t size() const { return size_; }

private:
    FileReader(std::intptr_t handle, std::uint64_t size) : handle_(handle), size_(size) {}

    std::intptr_t handle_; // the system's own: a descriptor, or a handle on Windows
    std::uint64_t size_;
};

} // namespace platform
