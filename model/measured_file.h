#pragma once

#include "model/file_bytes.h"

#include <cstdint>
#include <string>

namespace model {

// A model file as the game reads it to measure it. Where the game's reading would leave the file,
// it reads whatever lies in memory beyond, so that the measurement cannot tell: a Refusal then
// carries why, up to measure_consistency_box(). Each stretch the
// game reads is vouched for here before the file's own checked reads take its fields; what the
// game reads there is named only when it lies outside.
class MeasuredFile final {
public:
    explicit MeasuredFile(FileView bytes);

    const FileBytes& file() const { return file_; }

    // The offset of the size bytes at `at`, which the game reads as what(): made readable, as
    // they are read next.
    template <typename Name>
    std::uint64_t inside(std::int64_t at, std::uint64_t size, const Name& what) const {
        if (at < 0 || !file_.holds(static_cast<std::uint64_t>(at), size))
            outside(at, size, what());
        file_.take(static_cast<std::uint64_t>(at), size);
        return static_cast<std::uint64_t>(at);
    }

private:
    [[noreturn]] void outside(std::int64_t at, std::uint64_t size, const std::string& what) const;

    FileBytes file_;
};

} // namespace model
