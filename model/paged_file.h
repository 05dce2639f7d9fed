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

// How a paged file reads: pages of 1 KB, and where a page is not read yet, at least two at once.
// What servers measure of a sequence is its first records and the runs of its first bone that
// follow them, a kilobyte or two of each of a player model's hundred sequences: pages of the
// system's 4 KB would copy twice as much, and single pages of 1 KB take more calls.
struct PageReading {
    unsigned page_bits = 10;
    std::uint64_t least_pages = 2;
};

// A file on disk read a few pages at a time as its readers first want each part of it, into memory
// of the file's size. A glance at a model (its picture, what servers measure of it) wants about
// a fifth of a player model's bytes: its textures, its meshes, its tables and the first few
// records of each animation. One thread reads it at a time.
class PagedFile final {
public:
    // Pages of a few bytes read one at a time serve to check that the readers make each byte
    // readable before they read it: one they did not then shows.
    static constexpr PageReading byte_checking{4, 1};

    // An ordinary file of at most max_size bytes opened for reading, as much of a model's header
    // as it holds read: the readers of the header alone read it as bytes().
    static platform::Result<PagedFile> open(const platform::Path& path, std::uint64_t max_size,
                                            PageReading reading = {});

    // The file's bytes, of the size it had when opened: only those that read() made readable
    // may be looked at.
    std::span<const std::uint8_t> bytes() const { return {memory_.get(), size_}; }

    // Makes the size bytes at `at`, which lie in bytes(), readable, reading those of their pages
    // not read yet. False when they cannot be read, as when the file got shorter since it was
    // opened.
    bool read(std::uint64_t at, std::uint64_t size) const {
        if (size == 0)
            return true;
        const std::uint64_t first = at >> reading_.page_bits,
                            last = (at + size - 1) >> reading_.page_bits;
        return (first == last && pages_read_[first]) || read_pages(first, last);
    }

private:
    PagedFile(platform::FileReader file, std::uint64_t size, PageReading reading);

    bool read_pages(std::uint64_t first, std::uint64_t last) const;

    mutable platform::FileReader file_;
    std::uint64_t size_;
    PageReading reading_;
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
