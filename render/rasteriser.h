#pragma once

#include "render/image.h"
#include "render/maths.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Fills triangles and draws lines given in clip space into an image, with a depth buffer.
// Everything is computed in a fixed order on sub-pixel-snapped coordinates, so the same input
// gives the same picture on every machine.
namespace render {

// A corner of a triangle: where it is, and what is interpolated across the triangle.
struct RasterVertex {
    ClipPoint position;
    float u = 0;
    float v = 0;
    float light = 1; // the colour's factor: 1 draws the texel as it is
};

// A texture ready for sampling: the palette index of each texel row by row, top row first, held
// by whoever gave it, and the colour each index names.
struct SampledTexture {
    int width = 0;
    int height = 0;
    std::span<const std::uint8_t> indices;
    std::array<Colour, 256> colours{};
};

// How the pixels of a triangle get their colour.
struct Surface {
    const SampledTexture* texture = nullptr; // none: the flat colour
    Colour colour = rgb(200, 200, 200);
    bool masked = false;      // texels whose alpha is below half are left out
    bool additive = false;    // added to the picture; the depth buffer is tested but kept
    bool translucent = false; // half and half over the picture; the depth buffer likewise
};

enum class LineDepth {
    tested, // hidden behind surfaces nearer than the line
    on_top,
};

class Rasteriser final {
public:
    // Starts a picture in the image: every pixel the background, the depth buffer empty. Points
    // nearer to the eye than near_distance are clipped away.
    void begin(Image& image, Colour background, float near_distance);

    // Fills a triangle whose corners run counter-clockwise on screen; one seen from behind is
    // left out.
    void triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c,
                  const Surface& surface);
    // Fills each triangle of corners, as triangle() does: a mesh's corners shared by its
    // triangles are put on the screen once. An index out of range leaves its triangle out.
    void triangles(std::span<const RasterVertex> corners,
                   std::span<const std::array<std::uint32_t, 3>> triangles, const Surface& surface);

    void line(ClipPoint a, ClipPoint b, Colour colour, LineDepth depth);

private:
    // A corner on the screen, x and y in sub-pixel steps.
    struct ScreenVertex {
        std::int64_t x = 0;
        std::int64_t y = 0;
        // Divided by w, so that they interpolate linearly across the screen.
        float inv_w = 0;
        float u_w = 0;
        float v_w = 0;
        float light_w = 0;
    };
    // A corner as clipping and filling take it: the planes it lies outside, and where it falls on
    // the screen when that is none.
    struct Placed {
        bool finite = false;
        unsigned outside = 0;
        ScreenVertex screen;
    };

    void fill(const ScreenVertex* corners[3], const Surface& surface);
    ScreenVertex to_screen(const RasterVertex& vertex) const;
    Placed placed(const RasterVertex& vertex) const;
    void fill_placed(const RasterVertex* corners[3], const Placed* placed[3],
                     const Surface& surface);
    void clip_and_fill(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c,
                       const Surface& surface);

    Image* image_ = nullptr;
    std::vector<float> depth_; // 1 / w of the nearest surface drawn, 0 where there is none
    float near_ = 1;
    std::vector<RasterVertex> clip_scratch_[2];
    std::vector<Placed> placed_scratch_;
};

} // namespace render
