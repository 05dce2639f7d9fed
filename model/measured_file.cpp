#include "model/measured_file.h"

namespace model {

MeasuredFile::MeasuredFile(FileView bytes) : file_(bytes, said("the file"), layout::header::size) {}

void MeasuredFile::outside(std::int64_t at, std::uint64_t size, const std::string& what) const {
    if (at < 0)
        throw Refusal{said("offset %1, where the game reads %2, lies before the start of the file",
                           at, what)};
    if (static_cast<std::uint64_t>(at) >= file_.size())
        throw Refusal{said("offset %1, where the game reads %2, lies past the end of the file (%3 "
                           "bytes)",
                           at, what, file_.size())};
    throw Refusal{said("the %1 bytes at offset %2, where the game reads %3, reach past the end of "
                       "the file (%4 bytes)",
                       size, at, what, file_.size())};
}

} // namespace model
