#include "model/paged_file.h"

#include "model/bytes.h"
#include "model/layout.h"
#include "platform/file_system.h"

#include <algorithm>
#include <system_error>

namespace model {

platform::Result<PagedFile> PagedFile::open(const platform::Path& path, std::uint64_t max_size,
                                            PageReading reading) {
    auto file = platform::FileReader::open(path);
    if (!file)
        return file.failure();
    if (file->size() > max_size)
        return platform::fail(platform::too_large());
    const std::uint64_t size = file->size();
    PagedFile paged(std::move(file).value(), size, reading);
    if (!paged.read(0, std::min<std::uint64_t>(size, layout::header::size)))
        return platform::fail(std::make_error_code(std::errc::io_error));
    return paged;
}

PagedFile::PagedFile(platform::FileReader file, std::uint64_t size, PageReading reading)
    : file_(std::move(file)), size_(size), reading_(reading),
      memory_(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(size))),
      pages_read_(static_cast<std::size_t>((size + (std::uint64_t{1} << reading.page_bits) - 1) >>
                                           reading.page_bits)) {}

FileView view_of(const KeptFile& file) {
    if (const auto* whole = std::get_if<std::string>(&file))
        return bytes_of(*whole);
    return std::get<PagedFile>(file);
}

bool PagedFile::read_pages(std::uint64_t first, std::uint64_t last) const {
    // Each stretch of pages not read yet in one call, of the least pages at least where the pages
    // after the stretch are not read yet either.
    for (std::uint64_t page = first; page <= last;) {
        if (pages_read_[page]) {
            ++page;
            continue;
        }
        const std::uint64_t least_end =
            std::min<std::uint64_t>(page + reading_.least_pages, pages_read_.size());
        std::uint64_t end = page + 1;
        while ((end <= last || end < least_end) && end < pages_read_.size() && !pages_read_[end])
            ++end;
        const std::uint64_t from = page << reading_.page_bits;
        const std::uint64_t to = std::min(end << reading_.page_bits, size_);
        for (std::uint64_t at = from; at < to;) {
            const auto count =
                file_.read_at(at, memory_.get() + at, static_cast<std::size_t>(to - at));
            if (!count || *count == 0)
                return false;
            at += *count;
        }
        std::fill(pages_read_.begin() + static_cast<std::ptrdiff_t>(page),
                  pages_read_.begin() + static_cast<std::ptrdiff_t>(end), true);
        page = end;
    }
    return true;
}

} // namespace model
