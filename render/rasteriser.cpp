#include "render/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace render {

namespace {

// Screen positions are snapped to 1/256 of a pixel; edge functions then are exact integers.
constexpr int sub_bits = 8;
constexpr std::int64_t sub = 1 << sub_bits;
// x and y are clipped at ±guard × w, a few image sizes around the image, so that snapped
// coordinates stay small enough for exact 64-bit edge functions.
constexpr float guard = 4;
constexpr int plane_count = 5;
// A line is drawn over a surface at nearly its own depth, as an edge over its own triangle.
constexpr float line_depth_tolerance = 0.995f;

// How far inside each clipping plane a point lies; negative outside.
float inside_distance(int plane, const ClipPoint& p, float near) {
    switch (plane) {
    case 0:
        return p.w - near;
    case 1:
        return guard * p.w - p.x;
    case 2:
        return guard * p.w + p.x;
    case 3:
        return guard * p.w - p.y;
    default:
        return guard * p.w + p.y;
    }
}

// Positions far out of range may have overflowed on their way to clip space; they are not drawn.
bool finite(const ClipPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.w);
}

unsigned outside_planes(const ClipPoint& p, float near) {
    unsigned planes = 0;
    for (int plane = 0; plane < plane_count; ++plane) {
        if (inside_distance(plane, p, near) < 0)
            planes |= 1u << plane;
    }
    return planes;
}

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

ClipPoint mix(const ClipPoint& a, const ClipPoint& b, float t) {
    return {mix(a.x, b.x, t), mix(a.y, b.y, t), mix(a.w, b.w, t)};
}

RasterVertex mix(const RasterVertex& a, const RasterVertex& b, float t) {
    return {mix(a.position, b.position, t), mix(a.u, b.u, t), mix(a.v, b.v, t),
            mix(a.light, b.light, t)};
}

// Twice the area of the triangle on screen, as the edge functions count it.
std::int64_t signed_area(const auto& p0, const auto& p1, const auto& p2) {
    return (p1.x - p0.x) * (p2.y - p0.y) - (p1.y - p0.y) * (p2.x - p0.x);
}

// As std::llround(), to the nearest whole number and halves away from zero, but without a call
// into the maths library for each corner: x less the part cut off is exact in a float.
std::int64_t rounded(float x) {
    const auto whole = static_cast<std::int64_t>(x);
    const float rest = x - static_cast<float>(whole);
    return whole + (rest >= 0.5f) - (rest <= -0.5f);
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The edge function of the edge from a to b: positive on the triangle's side.
struct Edge {
    std::int64_t step_x = 0;
    std::int64_t step_y = 0;
    std::int64_t at_origin = 0; // at the centre of the first pixel examined
    std::int64_t bias = 0;      // -1 leaves out pixels exactly on an edge that is not top or left

    Edge(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by, std::int64_t px,
         std::int64_t py) {
        step_x = -(by - ay) * sub;
        step_y = (bx - ax) * sub;
        at_origin = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
        const bool top = ay == by && bx > ax;
        const bool left = by < ay;
        bias = top || left ? 0 : -1;
    }
};

Colour lit(Colour c, float light) {
    const int factor = static_cast<int>(std::clamp(light, 0.0f, 4.0f) * 256 + 0.5f);
    const auto channel = [&](int shift) {
        return static_cast<Colour>(
                   std::min(255, (static_cast<int>(c >> shift & 0xFF) * factor) >> 8))
               << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

Colour added(Colour a, Colour b) {
    const auto channel = [&](int shift) {
        return static_cast<Colour>(
                   std::min(255, static_cast<int>((a >> shift & 0xFF) + (b >> shift & 0xFF))))
               << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

Colour halfway(Colour a, Colour b) {
    return 0xFF000000u | (((a & 0xFEFEFE) >> 1) + ((b & 0xFEFEFE) >> 1));
}

Colour sample(const SampledTexture& texture, float u, float v) {
    const int x =
        std::min(static_cast<int>(std::clamp(u, 0.0f, 1.0f) * texture.width), texture.width - 1);
    const int y =
        std::min(static_cast<int>(std::clamp(v, 0.0f, 1.0f) * texture.height), texture.height - 1);
    return texture.colours[texture.indices[static_cast<std::size_t>(y) * texture.width + x]];
}

} // namespace

void Rasteriser::begin(Image& image, Colour background, float near_distance) {
    image_ = &image;
    std::fill(image.pixels.begin(), image.pixels.end(), background);
    depth_.assign(image.pixels.size(), 0.0f);
    near_ = near_distance;
}

Rasteriser::ScreenVertex Rasteriser::to_screen(const RasterVertex& vertex) const {
    const PixelPoint p = to_pixels(vertex.position, image_->width, image_->height);
    return {rounded(p.x * sub), rounded(p.y * sub), p.inv_w,
            vertex.u * p.inv_w, vertex.v * p.inv_w, vertex.light * p.inv_w};
}

Rasteriser::Placed Rasteriser::placed(const RasterVertex& vertex) const {
    Placed placed;
    placed.finite = finite(vertex.position);
    if (!placed.finite)
        return placed;
    placed.outside = outside_planes(vertex.position, near_);
    if (placed.outside == 0)
        placed.screen = to_screen(vertex);
    return placed;
}

void Rasteriser::fill_placed(const RasterVertex* corners[3], const Placed* placed[3],
                             const Surface& surface) {
    if (!placed[0]->finite || !placed[1]->finite || !placed[2]->finite)
        return;
    const unsigned outside_a = placed[0]->outside;
    const unsigned outside_b = placed[1]->outside;
    const unsigned outside_c = placed[2]->outside;
    if (outside_a & outside_b & outside_c)
        return;
    if (outside_a | outside_b | outside_c) {
        clip_and_fill(*corners[0], *corners[1], *corners[2], surface);
        return;
    }
    const ScreenVertex* screen[3] = {&placed[0]->screen, &placed[1]->screen, &placed[2]->screen};
    fill(screen, surface);
}

void Rasteriser::triangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c,
                          const Surface& surface) {
    const Placed placed_corners[3] = {placed(a), placed(b), placed(c)};
    const RasterVertex* corners[3] = {&a, &b, &c};
    const Placed* placed[3] = {&placed_corners[0], &placed_corners[1], &placed_corners[2]};
    fill_placed(corners, placed, surface);
}

void Rasteriser::triangles(std::span<const RasterVertex> corners,
                           std::span<const std::array<std::uint32_t, 3>> triangles,
                           const Surface& surface) {
    placed_scratch_.resize(corners.size());
    for (std::size_t i = 0; i < corners.size(); ++i)
        placed_scratch_[i] = placed(corners[i]);
    for (const auto& triangle : triangles) {
        if (std::max({triangle[0], triangle[1], triangle[2]}) >= corners.size())
            continue;
        const RasterVertex* of[3] = {&corners[triangle[0]], &corners[triangle[1]],
                                     &corners[triangle[2]]};
        const Placed* placed[3] = {&placed_scratch_[triangle[0]], &placed_scratch_[triangle[1]],
                                   &placed_scratch_[triangle[2]]};
        fill_placed(of, placed, surface);
    }
}

void Rasteriser::clip_and_fill(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c,
                               const Surface& surface) {
    auto& polygon = clip_scratch_[0];
    auto& clipped = clip_scratch_[1];
    polygon.assign({a, b, c});
    for (int plane = 0; plane < plane_count && !polygon.empty(); ++plane) {
        clipped.clear();
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const auto& from = polygon[i];
            const auto& to = polygon[(i + 1) % polygon.size()];
            const float d_from = inside_distance(plane, from.position, near_);
            const float d_to = inside_distance(plane, to.position, near_);
            if (d_from >= 0)
                clipped.push_back(from);
            if ((d_from >= 0) != (d_to >= 0))
                clipped.push_back(mix(from, to, d_from / (d_from - d_to)));
        }
        std::swap(polygon, clipped);
    }
    if (polygon.size() < 3)
        return;
    std::vector<ScreenVertex> screen;
    screen.reserve(polygon.size());
    for (const auto& vertex : polygon)
        screen.push_back(to_screen(vertex));
    for (std::size_t i = 1; i + 1 < screen.size(); ++i) {
        const ScreenVertex* corners[3] = {&screen[0], &screen[i], &screen[i + 1]};
        fill(corners, surface);
    }
}

void Rasteriser::fill(const ScreenVertex* corners[3], const Surface& surface) {
    // With y running down the screen, a triangle counter-clockwise to the eye has a negative
    // area here: any other is seen from behind, or has no area. Its corners are then put in the
    // order that makes the area and the edge functions inside it positive.
    std::int64_t area = signed_area(*corners[0], *corners[1], *corners[2]);
    if (area >= 0)
        return;
    std::swap(corners[1], corners[2]);
    area = -area;
    const auto &p0 = *corners[0], &p1 = *corners[1], &p2 = *corners[2];

    const int width = image_->width;
    const int height = image_->height;
    // The pixels whose centres (x + 1/2, y + 1/2) lie within the triangle's box.
    const auto first = [](std::int64_t low) { return floor_div(low - sub / 2 + sub - 1, sub); };
    const auto last = [](std::int64_t high) { return floor_div(high - sub / 2, sub); };
    const int x_begin =
        static_cast<int>(std::max<std::int64_t>(0, first(std::min({p0.x, p1.x, p2.x}))));
    const int x_end =
        static_cast<int>(std::min<std::int64_t>(width - 1, last(std::max({p0.x, p1.x, p2.x}))));
    const int y_begin =
        static_cast<int>(std::max<std::int64_t>(0, first(std::min({p0.y, p1.y, p2.y}))));
    const int y_end =
        static_cast<int>(std::min<std::int64_t>(height - 1, last(std::max({p0.y, p1.y, p2.y}))));
    if (x_begin > x_end || y_begin > y_end)
        return;

    const std::int64_t origin_x = x_begin * sub + sub / 2;
    const std::int64_t origin_y = y_begin * sub + sub / 2;
    const Edge e0(p1.x, p1.y, p2.x, p2.y, origin_x, origin_y); // weighs p0
    const Edge e1(p2.x, p2.y, p0.x, p0.y, origin_x, origin_y); // weighs p1
    const Edge e2(p0.x, p0.y, p1.x, p1.y, origin_x, origin_y); // weighs p2

    const float inv_area = 1.0f / static_cast<float>(area);
    const float iw = p0.inv_w, iw1 = p1.inv_w - iw, iw2 = p2.inv_w - iw;
    const float uw = p0.u_w, uw1 = p1.u_w - uw, uw2 = p2.u_w - uw;
    const float vw = p0.v_w, vw1 = p1.v_w - vw, vw2 = p2.v_w - vw;
    const float lw = p0.light_w, lw1 = p1.light_w - lw, lw2 = p2.light_w - lw;
    const SampledTexture* texture =
        surface.texture && !surface.texture->indices.empty() ? surface.texture : nullptr;

    for (int y = y_begin; y <= y_end; ++y) {
        const std::int64_t rows = y - y_begin;
        std::int64_t w0 = e0.at_origin + rows * e0.step_y;
        std::int64_t w1 = e1.at_origin + rows * e1.step_y;
        std::int64_t w2 = e2.at_origin + rows * e2.step_y;
        Colour* pixels = image_->pixels.data() + static_cast<std::size_t>(y) * width;
        float* depths = depth_.data() + static_cast<std::size_t>(y) * width;
        bool entered = false;
        for (int x = x_begin; x <= x_end; ++x, w0 += e0.step_x, w1 += e1.step_x, w2 += e2.step_x) {
            if (((w0 + e0.bias) | (w1 + e1.bias) | (w2 + e2.bias)) < 0) {
                if (entered)
                    break; // the triangle is convex: nothing more on this row
                continue;
            }
            entered = true;
            const float l1 = static_cast<float>(w1) * inv_area;
            const float l2 = static_cast<float>(w2) * inv_area;
            const float inv_w = iw + l1 * iw1 + l2 * iw2;
            if (inv_w <= depths[x])
                continue;
            const float w = 1 / inv_w;
            Colour colour = surface.colour;
            if (texture) {
                colour = sample(*texture, (uw + l1 * uw1 + l2 * uw2) * w,
                                (vw + l1 * vw1 + l2 * vw2) * w);
                if (surface.masked && (colour >> 24) < 128)
                    continue;
            }
            colour = lit(colour, (lw + l1 * lw1 + l2 * lw2) * w);
            if (surface.additive) {
                pixels[x] = added(pixels[x], colour);
            } else if (surface.translucent) {
                pixels[x] = halfway(pixels[x], colour);
            } else {
                pixels[x] = colour;
                depths[x] = inv_w;
            }
        }
    }
}

void Rasteriser::line(ClipPoint a, ClipPoint b, Colour colour, LineDepth depth) {
    if (!finite(a) || !finite(b))
        return;
    float t_begin = 0;
    float t_end = 1;
    for (int plane = 0; plane < plane_count; ++plane) {
        const float d_a = inside_distance(plane, a, near_);
        const float d_b = inside_distance(plane, b, near_);
        if (d_a < 0 && d_b < 0)
            return;
        if (d_a < 0)
            t_begin = std::max(t_begin, d_a / (d_a - d_b));
        else if (d_b < 0)
            t_end = std::min(t_end, d_a / (d_a - d_b));
    }
    if (t_begin > t_end)
        return;
    const PixelPoint from = to_pixels(mix(a, b, t_begin), image_->width, image_->height);
    const PixelPoint to = to_pixels(mix(a, b, t_end), image_->width, image_->height);
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const int steps =
        std::max(1, static_cast<int>(std::ceil(std::max(std::abs(dx), std::abs(dy)))));
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const int x = static_cast<int>(std::floor(from.x + dx * t));
        const int y = static_cast<int>(std::floor(from.y + dy * t));
        if (x < 0 || y < 0 || x >= image_->width || y >= image_->height)
            continue;
        const std::size_t index = static_cast<std::size_t>(y) * image_->width + x;
        if (depth == LineDepth::tested &&
            mix(from.inv_w, to.inv_w, t) < depth_[index] * line_depth_tolerance)
            continue;
        image_->pixels[index] = colour;
    }
}

} // namespace render
