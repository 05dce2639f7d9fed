#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

std::string executable_folder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path().string() : executable.parent_path().string();
}

} // namespace platform
