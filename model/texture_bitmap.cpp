#include "model/texture_bitmap.h"

namespace model {

namespace {

// A file header, an information header of the original 40-byte kind, the palette as blue, green,
// red and a zero byte per colour, then the rows of indices from the bottom row up, each padded to
// a multiple of 4 bytes.
namespace bitmap {
constexpr std::size_t file_header_size = 14;
constexpr std::size_t info_header_size = 40;
constexpr std::size_t colours = 256;
constexpr std::size_t palette_size = colours * 4;
constexpr std::size_t pixels = file_header_size + info_header_size + palette_size;
constexpr std::uint16_t bits_per_pixel = 8;
constexpr std::int32_t pixels_per_metre = 2835; // 72 dots per inch
} // namespace bitmap

class LittleEndian final {
public:
    explicit LittleEndian(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void u16(std::uint32_t value) { put(value, 2); }
    void u32(std::uint32_t value) { put(value, 4); }

private:
    void put(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t>& bytes_;
};

} // namespace

std::vector<std::uint8_t> indexed_bitmap(const Texture& texture) {
    const auto width = static_cast<std::size_t>(texture.width);
    const auto height = static_cast<std::size_t>(texture.height);
    const std::size_t row = (width + 3) / 4 * 4;
    const auto size = static_cast<std::uint32_t>(bitmap::pixels + row * height);
    std::vector<std::uint8_t> bytes{'B', 'M'};
    bytes.reserve(size);
    LittleEndian out(bytes);
    out.u32(size);
    out.u32(0); // two reserved shorts
    out.u32(bitmap::pixels);
    out.u32(bitmap::info_header_size);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height)); // positive: the bottom row comes first
    out.u16(1);                                  // colour planes
    out.u16(bitmap::bits_per_pixel);
    out.u32(0); // no compression
    out.u32(static_cast<std::uint32_t>(row * height));
    out.u32(bitmap::pixels_per_metre);
    out.u32(bitmap::pixels_per_metre);
    out.u32(bitmap::colours); // colours used
    out.u32(0);               // all of them matter
    for (std::size_t colour = 0; colour < bitmap::colours; ++colour) {
        const std::uint8_t* rgb = texture.palette.data() + colour * 3;
        bytes.insert(bytes.end(), {rgb[2], rgb[1], rgb[0], 0});
    }
    for (std::size_t y = height; y-- > 0;) {
        const auto first = texture.indices.begin() + static_cast<std::ptrdiff_t>(y * width);
        bytes.insert(bytes.end(), first, first + static_cast<std::ptrdiff_t>(width));
        bytes.resize(bytes.size() + row - width);
    }
    return bytes;
}

} // namespace model
