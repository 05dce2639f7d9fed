#pragma once

#include "model/studio_model.h"
#include "render/image.h"

#include <string_view>

// A small picture of a model, to tell models apart at a glance in lists and tables.
namespace render {

// The game shows its v_ models from the player's eye, with the hands holding the weapon.
bool seen_from_the_eye(std::string_view file_name);

// The model as the viewer first shows it, size pixels square: lit and textured, on its first
// sequence's first frame (the reference pose when it has none), framed on the whole sequence, or
// seen from the eye. Without the ground, which at this size would only crowd it. An empty image
// when the model draws nothing.
Image model_picture(const model::StudioModel& model, bool first_person, int size);

} // namespace render
