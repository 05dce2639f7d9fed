#pragma once

#include "platform/file_reader.h"
#include "platform/path.h"
#include "platform/result.h"

#include <concepts>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace model {

// A file on disk read a page at a time as its readers first want each part of it, into memory
// of the file's size. A glance at a model (its picture, what servers measure of it) wants about
// a quarter of a player model's bytes: its textures, its meshes, its tables and the first few
// records of each animation. One thread reads it at a time.
class PagedFile final {
public:
    // Pages of 4 KB, as the system reads files. Pages of a few bytes serve to check that the
    // readers make each byte readable before they read it: one they did not then shows.
    static constexpr unsigned system_page_bits = 12;

    // An ordinary file of at most max_size bytes opened for reading, as much of a model's header
    // as it holds read: the readers of the header alone read it as bytes().
    static platform::Result<PagedFile> open(const platform::Path& path, std::uint64_t max_size,
                                            unsigned page_bits = system_page_bits);

    // The file's bytes, of the size it had when opened: only those that read() made readable
    // may be looked at.
    std::span<const std::uint8_t> bytes() const { return {memory_.get(), size_}; }

    // Makes the size bytes at `at`, which lie in bytes(), readable, reading those of their pages
    // not read yet. False when they cannot be read, as when the file got shorter since it was
    // opened.
    bool read(std::uint64_t at, std::uint64_t size) const {
        if (size == 0)
            return true;
        const std::uint64_t first = at >> page_bits_, last = (at + size - 1) >> page_bits_;
        return (first == last && pages_read_[first]) || read_pages(first, last);
    }

private:
    PagedFile(platform::FileReader file, std::uint64_t size, unsigned page_bits);

    bool read_pages(std::uint64_t first, std::uint64_t last) const;

    mutable platform::FileReader file_;
    std::uint64_t size_;
    unsigned page_bits_;
    std::unique_ptr<std::uint8_t[]> memory_; // not cleared: every byte is read before it is seen
    mutable std::vector<bool> pages_read_;
};

// A file's bytes as its readers take them: all in memory, or a paged file's.
struct FileView {
    std::span<const std::uint8_t> bytes;
    const PagedFile* pages = nullptr; // nothing for bytes all in memory

    template <typename Bytes>
    requires std::convertible_to<const Bytes&, std::span<const std::uint8_t>>
    FileView(const Bytes& in_memory) : bytes(in_memory) {}
    FileView(const PagedFile& file) : bytes(file.bytes()), pages(&file) {}
};

// A file as a model keeps it: read whole, or paged.
using KeptFile = std::variant<std::string, PagedFile>;
FileView view_of(const KeptFile& file);

} // namespace model
