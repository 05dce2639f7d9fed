#include "library/replace_game_file.h"

#include "platform/file_system.h"

namespace library {

namespace {

Result not_replaced(const std::string& target, const std::string& why) {
    return Result::failure("The game file " + platform::native_path(target) +
                           " was not replaced: " + why + ".");
}

// A name beside the target that is free, to hold the game's file while the copy is made.
std::string aside_name(const std::string& target) {
    std::string aside = target + ".tessary-old";
    for (int n = 2; platform::exists(aside); ++n)
        aside = target + ".tessary-old" + std::to_string(n);
    return aside;
}

} // namespace

Result replace_game_file(const std::string& source, const std::string& target) {
    if (!platform::is_ordinary_file(source))
        return not_replaced(target, platform::native_path(source) + " is missing");
    if (const auto error = platform::check_readable(source))
        return not_replaced(target,
                            platform::native_path(source) + " cannot be read: " + error.message());

    const bool had_target = platform::exists(target);
    const std::string aside = had_target ? aside_name(target) : std::string();
    if (had_target) {
        if (const auto error = platform::rename_file(target, aside))
            return not_replaced(target, error.message());
    }

    // A failed copy leaves no partial file behind, so the old file can simply go back.
    if (const auto error = platform::copy_file(source, target)) {
        if (had_target) {
            if (const auto back = platform::rename_file(aside, target))
                return not_replaced(target, error.message() + "; the game's own file is kept as " +
                                                platform::native_path(aside));
        }
        return not_replaced(target, error.message());
    }

    if (had_target) {
        if (const auto error = platform::delete_file(aside))
            return Result::failure("The game file " + platform::native_path(target) +
                                   " was replaced, but its old copy " +
                                   platform::native_path(aside) +
                                   " could not be removed: " + error.message() + ".");
    }
    return Result::success();
}

} // namespace library
