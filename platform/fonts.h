#pragma once

#include <string>
#include <vector>

namespace platform {

// The faces Tessary's windows are drawn in, best first. Their fixed layouts were drawn for
// Arial's metrics: Windows has Arial itself; Linux has faces metric-compatible with it, and
// where neither is installed a condensed face keeps the texts within their boxes.
std::vector<std::string> window_faces();

} // namespace platform
