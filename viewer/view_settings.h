#pragma once

#include "viewer/scene.h"

// The view options a user chose last, kept in Tessary's settings store under the viewer's own
// section.
namespace viewer {

ViewOptions read_view_options();
void write_view_options(const ViewOptions& options);

} // namespace viewer
