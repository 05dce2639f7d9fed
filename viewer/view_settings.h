#pragma once

#include "render/scene_renderer.h"

// The view options a user chose last, kept in Tessary's settings store under the viewer's own
// section.
namespace viewer {

render::ViewOptions read_view_options();
void write_view_options(const render::ViewOptions& options);

} // namespace viewer
