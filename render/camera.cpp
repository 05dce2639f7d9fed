#include "render/camera.h"

#include <algorithm>
#include <numbers>

namespace render {

namespace {

constexpr float pi = std::numbers::pi_v<float>;
constexpr float pitch_limit = 89 * pi / 180;
constexpr Vec3 world_up{0, 0, 1};
// Orbiting, the vertical field of view is 40 degrees.
const float orbit_focal_length = 1 / std::tan(20 * pi / 180);
// The game's eye sees 90 degrees across at 4:3, so 1 / tan of half the vertical angle is 4 / 3.
constexpr float eye_aspect = 4.0f / 3;
// A framed box reaches this far from the view's centre to its edge, at the most.
constexpr float fill = 0.9f;
// The eye's distance from the origin, and its near plane: a first-person model's hands lie a few
// units in front of the eye.
constexpr float eye_distance = 100;
constexpr float eye_near = 1;

float radians(float degrees) {
    return degrees * pi / 180;
}

} // namespace

float Camera::focal_length(float aspect) const {
    // An image narrower than 4:3 keeps the 90 degrees across instead.
    return first_person_ ? std::min(aspect, eye_aspect) : orbit_focal_length;
}

void Camera::frame(Vec3 min, Vec3 max, float aspect) {
    first_person_ = false;
    min = within_view_reach(min);
    max = within_view_reach(max);
    target_ = (min + max) * 0.5f;
    // The model faces +X: seen from there, turned a little to show its depth.
    yaw_ = radians(25);
    pitch_ = radians(12);
    // Near enough that each corner of the box lies within the margin across and up the view;
    // never inside the box's sphere, so that all of it lies ahead of the eye.
    const float tan_across = aspect / focal_length(aspect) * fill;
    const float tan_up = 1 / focal_length(aspect) * fill;
    const Vec3 half = (max - min) * 0.5f;
    float distance = std::max(length(half) * 1.05f, 1.0f);
    for (int corner = 0; corner < 8; ++corner) {
        const Vec3 offset{corner & 1 ? half.x : -half.x, corner & 2 ? half.y : -half.y,
                          corner & 4 ? half.z : -half.z};
        const float depth = dot(offset, forward());
        distance = std::max({distance, std::abs(dot(offset, right())) / tan_across - depth,
                             std::abs(dot(offset, up())) / tan_up - depth});
    }
    distance_ = distance;
}

void Camera::look_from_origin() {
    first_person_ = true;
    yaw_ = pi; // looking along +X
    pitch_ = 0;
    distance_ = eye_distance;
    target_ = Vec3{eye_distance, 0, 0};
}

void Camera::orbit(float yaw_degrees, float pitch_degrees) {
    yaw_ = std::remainder(yaw_ + radians(yaw_degrees), 2 * std::numbers::pi_v<float>);
    pitch_ = std::clamp(pitch_ + radians(pitch_degrees), -pitch_limit, pitch_limit);
}

void Camera::pan(float right_fraction, float up_fraction) {
    // A fraction of the view's height at the target's distance.
    const float height = 2 * distance_ / orbit_focal_length;
    target_ = target_ + right() * (right_fraction * height) + up() * (up_fraction * height);
}

void Camera::zoom(float factor) {
    distance_ = std::clamp(distance_ * factor, 0.01f, 1e6f);
}

float Camera::near_distance() const {
    return first_person_ ? eye_near : distance_ * 0.01f;
}

Vec3 Camera::eye() const {
    return first_person_ ? Vec3{} : target_ - forward() * distance_;
}

Vec3 Camera::forward() const {
    return Vec3{-std::cos(yaw_) * std::cos(pitch_), -std::sin(yaw_) * std::cos(pitch_),
                -std::sin(pitch_)};
}

Vec3 Camera::right() const {
    return normalised(cross(forward(), world_up));
}

Vec3 Camera::up() const {
    return cross(right(), forward());
}

ClipTransform Camera::clip_transform(float aspect) const {
    const Vec3 e = eye();
    const float f = focal_length(aspect);
    ClipTransform transform;
    const auto set_row = [&](int row, Vec3 axis, float scale) {
        const Vec3 a = axis * scale;
        transform.rows[row][0] = a.x;
        transform.rows[row][1] = a.y;
        transform.rows[row][2] = a.z;
        transform.rows[row][3] = -dot(a, e);
    };
    set_row(0, right(), f / aspect);
    set_row(1, up(), f);
    set_row(2, forward(), 1);
    return transform;
}

std::optional<ScreenPoint> Camera::project(Vec3 point, int width, int height) const {
    const auto clip = clip_transform(static_cast<float>(width) / static_cast<float>(height))(point);
    if (clip.w < near_distance())
        return std::nullopt;
    const PixelPoint pixel = to_pixels(clip, width, height);
    return ScreenPoint{pixel.x, pixel.y, clip.w};
}

} // namespace render
