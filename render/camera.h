#pragma once

#include "render/maths.h"

#include <optional>

// The camera orbits a target point in the model's space (Z up): it looks at the target from a
// distance, turned by yaw about Z and raised by pitch, with a fixed vertical field of view.
namespace render {

// Where a point lands in an image: pixel coordinates (x right, y down) and its depth.
struct ScreenPoint {
    float x = 0;
    float y = 0;
    float depth = 0;
};

class Camera final {
public:
    // Looks at the box from the model's front, a little from its left and above, near enough
    // that the whole box fills most of an image of that aspect (width / height).
    void frame(Vec3 min, Vec3 max, float aspect);

    // Turns the camera about the target: degrees of yaw and pitch; pitch stays short of the poles.
    void orbit(float yaw_degrees, float pitch_degrees);
    // Moves the camera and its target across the view by a fraction of the view's height.
    void pan(float right, float up);
    // Moves the camera towards the target (factor < 1) or away from it.
    void zoom(float factor);

    Vec3 eye() const;
    Vec3 target() const { return target_; }
    // The unit vectors of the view: into the picture, to its right and up it.
    Vec3 forward() const;
    Vec3 right() const;
    Vec3 up() const;

    // The map into clip space for an image of that aspect; points nearer than near_distance()
    // are clipped.
    ClipTransform clip_transform(float aspect) const;
    float near_distance() const { return distance_ * 0.01f; }

    // Where a point of the model lands in an image of that size, if in front of the camera.
    std::optional<ScreenPoint> project(Vec3 point, int width, int height) const;

private:
    Vec3 target_;
    float distance_ = 100;
    float yaw_ = 0; // radians
    float pitch_ = 0;
};

} // namespace render
