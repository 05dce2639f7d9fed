#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace model {

// A file's content as read into a string, as the readers of model files take it.
inline std::span<const std::uint8_t> bytes_of(std::string_view content) {
    return {reinterpret_cast<const std::uint8_t*>(content.data()), content.size()};
}

// Bytes kept as a string, copied whole.
inline std::string content_of(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace model
