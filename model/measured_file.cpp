#include "model/measured_file.h"

namespace model {

MeasuredFile::MeasuredFile(std::span<const std::uint8_t> bytes)
    : file_(bytes, "the file", layout::header::size) {}

void MeasuredFile::outside(std::int64_t at, std::uint64_t size, const std::string& what) const {
    const std::string where = "offset " + std::to_string(at) + ", where the game reads " + what;
    const std::string end = " the end of the file (" + std::to_string(file_.size()) + " bytes)";
    if (at < 0)
        throw Refusal{where + ", lies before the start of the file"};
    if (static_cast<std::uint64_t>(at) >= file_.size())
        throw Refusal{where + ", lies past" + end};
    throw Refusal{"the " + std::to_string(size) + " bytes at " + where + ", reach past" + end};
}

} // namespace model
