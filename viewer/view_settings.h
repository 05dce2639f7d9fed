#pragma once

#include "render/scene_renderer.h"

// The view options a user chose last, kept in Tessary's settings store under the viewer's own
// section.
namespace viewer {

render::ViewOptions read_view_options();
void write_view_options(const render::ViewOptions& options);

// Whether models are seen from the eye, kept apart for the models the game shows from the eye
// (their file names start with "v_"), which are by default, and for all others, which are not.
bool read_first_person(bool eye_model);
void write_first_person(bool eye_model, bool on);

} // namespace viewer
