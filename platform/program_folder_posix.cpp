#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace platform {

Path executable_folder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return Path(error ? std::filesystem::current_path().string()
                      : executable.parent_path().string());
}

} // namespace platform
