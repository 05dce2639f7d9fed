#include "library/file_steps.h"

#include "platform/file_system.h"

namespace library {

Result make_folder(const std::string& folder) {
    if (const auto error = platform::create_folder(folder))
        return Result::failure("The folder " + platform::native_path(folder) +
                               " could not be created: " + error.message() + ".");
    return Result::success();
}

Result copy_whole_file(const std::string& from, const std::string& to) {
    if (const auto error = platform::copy_file(from, to))
        return Result::failure(platform::native_path(from) + " could not be copied to " +
                               platform::native_path(to) + ": " + error.message() + ".");
    return Result::success();
}

} // namespace library
