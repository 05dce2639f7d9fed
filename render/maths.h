#pragma once

#include "model/studio_model.h"

#include <cmath>

// The little vector algebra the renderer needs, on the model's own Vec3.
namespace render {

using model::Vec3;

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalised(Vec3 a) {
    const float l = length(a);
    return l > 0 ? a * (1 / l) : Vec3{};
}

// How far from the origin, on each axis, the view frames a box and lays the ground under it: far
// beyond any model the game shows, and near enough that framing's sums and squares stay finite
// in a float, however far a model's points or bones reach.
constexpr float view_reach = 1e5f;

inline float within_view_reach(float value) {
    return std::isnan(value) ? 0 : std::fmin(std::fmax(value, -view_reach), view_reach);
}
inline Vec3 within_view_reach(Vec3 p) {
    return {within_view_reach(p.x), within_view_reach(p.y), within_view_reach(p.z)};
}

// A point in clip space: x and y reach ±w at the image's edges, w is the depth in front of the
// eye.
struct ClipPoint {
    float x = 0;
    float y = 0;
    float w = 0;
};

// Where a point of clip space lands in an image of that size: pixel coordinates, x to the right
// and y down, and 1 / w, which interpolates linearly across the image.
struct PixelPoint {
    float x = 0;
    float y = 0;
    float inv_w = 0;
};

inline PixelPoint to_pixels(ClipPoint p, int width, int height) {
    const float inv_w = 1 / p.w;
    return {(p.x * inv_w + 1) * 0.5f * static_cast<float>(width),
            (1 - p.y * inv_w) * 0.5f * static_cast<float>(height), inv_w};
}

// The affine map from model space to clip space: one row each for x, y and w.
struct ClipTransform {
    float rows[3][4] = {};

    ClipPoint operator()(Vec3 p) const {
        const auto row = [&](int r) {
            return rows[r][0] * p.x + rows[r][1] * p.y + rows[r][2] * p.z + rows[r][3];
        };
        return {row(0), row(1), row(2)};
    }
};

} // namespace render
