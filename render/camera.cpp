#include "render/camera.h"

#include <algorithm>
#include <numbers>

namespace render {

namespace {

constexpr float field_of_view = 40 * std::numbers::pi_v<float> / 180; // vertical
constexpr float pitch_limit = 89 * std::numbers::pi_v<float> / 180;
constexpr Vec3 world_up{0, 0, 1};

float radians(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180;
}

float focal_length() {
    return 1 / std::tan(field_of_view / 2);
}

} // namespace

void Camera::frame(Vec3 min, Vec3 max, float aspect) {
    target_ = (min + max) * 0.5f;
    // The model faces +X: seen from there, turned a little to show its depth.
    yaw_ = radians(25);
    pitch_ = radians(12);
    // The bounding sphere fits inside the narrower of the two fields of view, with a margin.
    const float radius = std::max(length(max - min) * 0.5f, 1.0f);
    const float half_narrow = std::atan(std::min(1.0f, aspect) / focal_length());
    distance_ = radius * 1.1f / std::sin(half_narrow);
}

void Camera::orbit(float yaw_degrees, float pitch_degrees) {
    yaw_ = std::remainder(yaw_ + radians(yaw_degrees), 2 * std::numbers::pi_v<float>);
    pitch_ = std::clamp(pitch_ + radians(pitch_degrees), -pitch_limit, pitch_limit);
}

void Camera::pan(float right_fraction, float up_fraction) {
    // A fraction of the view's height at the target's distance.
    const float height = 2 * distance_ / focal_length();
    target_ = target_ + right() * (right_fraction * height) + up() * (up_fraction * height);
}

void Camera::zoom(float factor) {
    distance_ = std::clamp(distance_ * factor, 0.01f, 1e6f);
}

Vec3 Camera::eye() const {
    return target_ - forward() * distance_;
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
    const float f = focal_length();
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
