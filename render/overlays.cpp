#include "render/overlays.h"

#include <algorithm>
#include <utility>

namespace render {

namespace {

float& on_axis(Vec3& point, int axis) {
    return axis == 0 ? point.x : axis == 1 ? point.y : point.z;
}

// Corner i of the box: bit 0 picks its max X, bit 1 its max Y, bit 2 its max Z.
Vec3 corner(const model::Box& box, int i) {
    return {i & 1 ? box.max.x : box.min.x, i & 2 ? box.max.y : box.min.y,
            i & 4 ? box.max.z : box.min.z};
}

void draw_edges(Rasteriser& rasteriser, const ClipTransform& to_clip, const model::Box& box,
                Colour colour) {
    // Each edge joins two corners that differ in one bit.
    for (int i = 0; i < 8; ++i) {
        for (const int bit : {1, 2, 4}) {
            if (!(i & bit))
                rasteriser.line(to_clip(corner(box, i)), to_clip(corner(box, i | bit)), colour,
                                LineDepth::tested);
        }
    }
}

// The faces of the box, each two triangles counter-clockwise from outside, so that only the
// faces towards the eye are drawn and each pixel is tinted once.
void draw_faces(Rasteriser& rasteriser, const ClipTransform& to_clip, const model::Box& box,
                const Surface& surface) {
    for (int axis = 0; axis < 3; ++axis) {
        const int across = 1 << (axis + 1) % 3, up = 1 << (axis + 2) % 3;
        for (const int side : {0, 1 << axis}) {
            RasterVertex quad[4];
            const int corners[4] = {side, side | across, side | across | up, side | up};
            for (int k = 0; k < 4; ++k)
                quad[k].position = to_clip(corner(box, corners[k]));
            // Round across then up turns about +axis: counter-clockwise from the max side.
            if (!side)
                std::swap(quad[1], quad[3]);
            rasteriser.triangle(quad[0], quad[1], quad[2], surface);
            rasteriser.triangle(quad[0], quad[2], quad[3], surface);
        }
    }
}

// The part of the measured box beyond one side of the allowed one.
model::Box beyond(const model::Box& measured, const model::Box& allowed,
                  const model::AxisOutside& side) {
    model::Box part = measured, limit = allowed;
    if (side.beyond_max)
        on_axis(part.min, side.axis) =
            std::max(on_axis(limit.max, side.axis), on_axis(part.min, side.axis));
    else
        on_axis(part.max, side.axis) =
            std::min(on_axis(limit.min, side.axis), on_axis(part.max, side.axis));
    return part;
}

} // namespace

void draw_server_boxes(Rasteriser& rasteriser, const ClipTransform& to_clip,
                       const ServerBoxes& boxes) {
    Surface tint;
    tint.colour = outside_colour;
    tint.translucent = true;
    if (boxes.measured) {
        for (const auto& side : boxes.outside)
            draw_faces(rasteriser, to_clip, beyond(*boxes.measured, boxes.allowed, side), tint);
    }
    draw_edges(rasteriser, to_clip, boxes.allowed, allowed_box_colour);
    if (!boxes.measured)
        return;
    draw_edges(rasteriser, to_clip, *boxes.measured, measured_box_colour);
    for (const auto& side : boxes.outside)
        draw_edges(rasteriser, to_clip, beyond(*boxes.measured, boxes.allowed, side),
                   outside_colour);
}

void draw_player_hulls(Rasteriser& rasteriser, const ClipTransform& to_clip) {
    draw_edges(rasteriser, to_clip, standing_hull, standing_hull_colour);
    draw_edges(rasteriser, to_clip, crouched_hull, crouched_hull_colour);
}

} // namespace render
