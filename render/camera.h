#pragma once

#include "render/maths.h"

#include <optional>

// The camera orbits a target point in the model's space (Z up): it looks at the target from a
// distance, turned by yaw about Z and raised by pitch, with a fixed vertical field of view. Or it
// sees the model as the game shows a first-person model, from the eye at the model's origin.
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
    // that the whole box fills most of an image of that aspect (width / height), with a margin;
    // of a box reaching beyond view_reach, the part within it.
    void frame(Vec3 min, Vec3 max, float aspect);
    // Looks from the model's origin along +X, Z up, as the game's eye does: 90 degrees across an
    // image of 4:3, and a wider image sees as far up and down as that one.
    void look_from_origin();
    bool first_person() const { return first_person_; }

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
    float near_distance() const;

    // Where a point of the model lands in an image of that size, if in front of the camera.
    std::optional<ScreenPoint> project(Vec3 point, int width, int height) const;

private:
    // 1 / tan of half the vertical field of view in an image of that aspect.
    float focal_length(float aspect) const;

    Vec3 target_;
    float distance_ = 100;
    float yaw_ = 0; // radians
    float pitch_ = 0;
    bool first_person_ = false;
};

} // namespace render
