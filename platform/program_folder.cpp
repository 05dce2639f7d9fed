#include "platform/program_folder.h"

#include <optional>
#include <utility>

namespace platform {

std::string executable_folder(); // per platform

namespace {
std::optional<Path>& chosen_folder() {
    static std::optional<Path> folder;
    return folder;
}
} // namespace

const Path& program_folder() {
    auto& folder = chosen_folder();
    if (!folder)
        folder = Path(executable_folder());
    return *folder;
}

void set_program_folder(Path folder) {
    chosen_folder() = std::move(folder);
}

} // namespace platform
