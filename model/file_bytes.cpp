#include "model/file_bytes.h"

#include "model/field_text.h"

#include <algorithm>
#include <cmath>

namespace model {

FileBytes::FileBytes(FileView file, platform::Message label, std::uint64_t header_size)
    : bytes_(file.bytes), pages_(file.pages), label_(std::move(label)), header_size_(header_size) {}

std::string FileBytes::text(std::uint64_t at, std::uint64_t field) const {
    if (!holds(at, field))
        damaged("a name at offset " + std::to_string(at) + " lies outside the file");
    take(at, field);
    const auto* first = reinterpret_cast<const char*>(bytes_.data() + at);
    return field_text(
        {first, static_cast<std::size_t>(std::find(first, first + field, 0) - first)});
}

Table FileBytes::table_at(std::uint64_t at, layout::TableField field, std::uint64_t record_size,
                          std::int64_t cap, const std::string& what) const {
    return table(i32(at + field.count), i32(at + field.offset), record_size, cap, what);
}

Table FileBytes::table(std::int64_t count, std::int64_t offset, std::uint64_t record_size,
                       std::int64_t cap, const std::string& what) const {
    check_count(count, cap, what);
    if (count == 0)
        return {0, 0, record_size};
    check_inside(offset, static_cast<std::uint64_t>(count) * record_size, "the " + what);
    return {count, static_cast<std::uint64_t>(offset), record_size};
}

void FileBytes::check_count(std::int64_t count, std::int64_t cap, const std::string& what) const {
    if (count < 0)
        damaged("it counts " + std::to_string(count) + " " + what);
    if (count > cap)
        damaged("it counts " + std::to_string(count) + " " + what + ", more than the " +
                std::to_string(cap) + " a model may have");
}

void FileBytes::check_inside(std::int64_t offset, std::uint64_t size,
                             const std::string& what) const {
    if (offset < static_cast<std::int64_t>(header_size_))
        damaged("its header overlaps " + what);
    if (static_cast<std::uint64_t>(offset) >= this->size())
        damaged("it ends before " + what);
    if (!holds(static_cast<std::uint64_t>(offset), size))
        damaged("it ends inside " + what);
}

void FileBytes::field_outside(std::uint64_t at) const {
    damaged("a field at offset " + std::to_string(at) + " lies outside the file");
}

void FileBytes::unreadable() const {
    throw Refusal{said("%1 cannot be read", label_)};
}

void FileBytes::damaged(const std::string& what) const {
    throw Refusal{said("%1 is damaged: %2", label_, what)};
}

} // namespace model
