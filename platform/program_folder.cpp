#include "platform/program_folder.h"

#include <optional>
#include <utility>

namespace platform {

std::string executable_folder(); // per platform

namespace {
std::optional<std::string>& chosen_folder() {
    static std::optional<std::string> folder;
    return folder;
}
} // namespace

const std::string& program_folder() {
    auto& folder = chosen_folder();
    if (!folder)
        folder = executable_folder();
    return *folder;
}

void set_program_folder(std::string folder) {
    chosen_folder() = std::move(folder);
}

} // namespace platform
