#include "core/game_files.h"

#include "platform/file_system.h"

namespace core {

namespace {

Failure not_replaced(const Path& target, const std::string& why) {
    return fail("The game file " + platform::native_path(target) + " was not replaced: " + why +
                ".");
}

void discard_all_staged(const std::vector<Replacement>& replacements, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        platform::discard_staged(replacements[i].target);
}

} // namespace

Result<> replace_game_files(const std::vector<Replacement>& replacements) {
    for (const auto& [source, target] : replacements) {
        if (!platform::is_ordinary_file(source))
            return not_replaced(target, platform::native_path(source) + " is missing");
        if (const auto readable = platform::check_readable(source); !readable)
            return not_replaced(target, platform::native_path(source) +
                                            " cannot be read: " + readable.why());
    }
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        if (const auto staged =
                platform::stage_copy(replacements[i].source, replacements[i].target);
            !staged) {
            discard_all_staged(replacements, i);
            return not_replaced(replacements[i].target, staged.why());
        }
    }
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        if (const auto placed = platform::put_staged_in_place(replacements[i].target); !placed) {
            discard_all_staged(replacements, replacements.size());
            auto why = placed.why();
            if (i > 0)
                why += ", though the game files before it were replaced";
            return not_replaced(replacements[i].target, why);
        }
    }
    return {};
}

} // namespace core
