#pragma once

#include "model/layout.h"
#include "model/paged_file.h"
#include "model/said.h"
#include "model/studio_model.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>

namespace model {

// Why a file is refused, on its way up to read_refusing(): the checks sit deep in nested records,
// and a refusal ends the whole read.
struct Refusal {
    platform::Message reason;
};

// The outcome of a read that refuses its file by throwing a Refusal: its value, or the refusal's
// reason. This is the one place that catches a Refusal.
template <typename Read>
auto read_refusing(Read&& read) -> platform::Result<std::invoke_result_t<Read>> {
    try {
        return read();
    } catch (const Refusal& refusal) {
        return platform::fail(refusal.reason);
    }
}

// A count of records of one size and where they start, all checked against the file.
struct Table {
    std::int64_t count = 0;
    std::uint64_t offset = 0;
    std::uint64_t record_size = 0;

    // Where record i starts.
    std::uint64_t at(std::int64_t i) const {
        return offset + static_cast<std::uint64_t>(i) * record_size;
    }
};

// Point i of an array of points taken whole with FileBytes::span(): three floats, as stored.
inline Vec3 point_in(std::span<const std::uint8_t> points, std::size_t i) {
    static_assert(sizeof(Vec3) == layout::vec3_size);
    Vec3 point;
    std::memcpy(&point, points.data() + i * layout::vec3_size, sizeof point);
    return point;
}

// One file's bytes, read only through bounds checks: any read outside the file refuses it. The
// bytes of a paged file are read from disk by the same checks, as they are first wanted.
class FileBytes final {
public:
    // label names the file in refusals ("the file", "texture file gignT.mdl"); header_size is
    // where the records may start.
    FileBytes(FileView file, platform::Message label, std::uint64_t header_size);

    // All of the file's bytes, for a reader that makes those it takes readable with take().
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::uint64_t size() const { return bytes_.size(); }
    // size bytes at offset at are all in the file.
    bool holds(std::uint64_t at, std::uint64_t size) const {
        return at <= this->size() && this->size() - at >= size;
    }
    const platform::Message& label() const { return label_; }

    // The size bytes at `at`, which lie in the file, made readable.
    void take(std::uint64_t at, std::uint64_t size) const {
        if (pages_ != nullptr && !pages_->read(at, size))
            unreadable();
    }
    // The size bytes at `at`, to read as they are, or a refusal where they leave the file.
    std::span<const std::uint8_t> span(std::uint64_t at, std::uint64_t size) const {
        if (!holds(at, size))
            field_outside(at);
        take(at, size);
        return bytes_.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(size));
    }

    std::int32_t i32(std::uint64_t at) const { return read<std::int32_t>(at); }
    std::int16_t i16(std::uint64_t at) const { return read<std::int16_t>(at); }
    std::uint16_t u16(std::uint64_t at) const { return read<std::uint16_t>(at); }
    std::uint8_t u8(std::uint64_t at) const { return read<std::uint8_t>(at); }
    float f32(std::uint64_t at) const { return read<float>(at); }
    // A float that must be a number; what() names it in the refusal, made only then, as names
    // cost more than reads.
    template <typename Name> float finite(std::uint64_t at, const Name& what) const {
        const float value = f32(at);
        if (!std::isfinite(value))
            damaged(what() + " is not a number");
        return value;
    }
    // A fixed text field: the bytes up to its first NUL, or all of them, as field_text() shows
    // them.
    std::string text(std::uint64_t at, std::uint64_t field) const;

    // The table whose count and offset are the ints of the field at `at`: count records of
    // record_size bytes, at most cap of them, within the file after the header.
    Table table_at(std::uint64_t at, layout::TableField field, std::uint64_t record_size,
                   std::int64_t cap, const std::string& what) const;
    Table table(std::int64_t count, std::int64_t offset, std::uint64_t record_size,
                std::int64_t cap, const std::string& what) const;
    // 0 ≤ count ≤ cap.
    void check_count(std::int64_t count, std::int64_t cap, const std::string& what) const;
    // size bytes at offset lie after the header and within the file.
    void check_inside(std::int64_t offset, std::uint64_t size, const std::string& what) const;

    [[noreturn]] void damaged(const std::string& what) const;

private:
    template <typename T> T read(std::uint64_t at) const {
        if (!holds(at, sizeof(T)))
            field_outside(at);
        take(at, sizeof(T));
        T value;
        std::memcpy(&value, bytes_.data() + at, sizeof value);
        return value;
    }

    // Out of line, so that the checked reads stay small enough to inline.
    [[noreturn]] void field_outside(std::uint64_t at) const;
    [[noreturn]] void unreadable() const;

    std::span<const std::uint8_t> bytes_;
    const PagedFile* pages_;
    platform::Message label_;
    std::uint64_t header_size_;
};

} // namespace model
