#include "platform/fonts.h"

namespace platform {

std::vector<std::string> window_faces() {
    return {"Arial"};
}

} // namespace platform
