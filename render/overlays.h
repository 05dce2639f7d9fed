#pragma once

#include "model/server_check.h"
#include "render/rasteriser.h"

#include <optional>
#include <vector>

// What the renderer draws over a model to compare its size with the game's: the box servers allow
// and the box they measure, and the hull the game moves a player by and hits him in.
namespace render {

constexpr Colour allowed_box_colour = rgb(70, 215, 90);
constexpr Colour measured_box_colour = rgb(250, 215, 60);
constexpr Colour outside_colour = rgb(235, 35, 35);
constexpr Colour standing_hull_colour = rgb(70, 210, 235);
constexpr Colour crouched_hull_colour = rgb(190, 120, 255);

// The game's player hull, centred on the origin the model is drawn at: 32 × 32 × 72 units
// standing, 32 × 32 × 36 crouched.
constexpr model::Box standing_hull{{-16, -16, -36}, {16, 16, 36}};
constexpr model::Box crouched_hull{{-16, -16, -18}, {16, 16, 18}};

struct ServerBoxes {
    model::Box allowed;
    std::optional<model::Box> measured;      // where it could be measured
    std::vector<model::AxisOutside> outside; // the sides of the measured box beyond the allowed
};

// The edges of both boxes in their colours, and the part of the measured box that lies beyond the
// allowed one in red: its edges, and its faces over what they cover, half and half. What the
// model hides stays hidden, so that the boxes stand in space around it.
void draw_server_boxes(Rasteriser& rasteriser, const ClipTransform& to_clip,
                       const ServerBoxes& boxes);

// The edges of both hulls, where the model does not hide them.
void draw_player_hulls(Rasteriser& rasteriser, const ClipTransform& to_clip);

} // namespace render
