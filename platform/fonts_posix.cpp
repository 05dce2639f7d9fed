#include "platform/fonts.h"

namespace platform {

std::vector<std::string> window_faces() {
    return {"Liberation Sans", "Arimo", "DejaVu Sans Condensed"};
}

} // namespace platform
