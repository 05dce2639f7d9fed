#pragma once

#include <cstdint>
#include <vector>

// A picture the renderer draws into: pixels row by row, top row first, each 0xAARRGGBB.
namespace render {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return 0xFF000000u | static_cast<Colour>(red) << 16 | static_cast<Colour>(green) << 8 |
           static_cast<Colour>(blue);
}
constexpr int red_of(Colour c) {
    return static_cast<int>(c >> 16 & 0xFF);
}
constexpr int green_of(Colour c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>(c & 0xFF);
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    void resize(int new_width, int new_height) {
        width = new_width;
        height = new_height;
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    }
    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

} // namespace render
