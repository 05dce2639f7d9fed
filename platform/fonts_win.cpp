#include "platform/fonts.h"

namespace platform {

std::vector<std::string> window_faces() {
    // Wine has no Arial of its own, but shows the faces of the system it runs on.
    return {"Arial", "Liberation Sans", "Arimo"};
}

} // namespace platform
