#include "library/set_lists.h"

#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/program_folder.h"

namespace library {

std::string player_set_list() {
    return platform::program_folder() + "\\pbackup.txt";
}

std::string weapon_set_list() {
    return platform::program_folder() + "\\wbackup.txt";
}

Result append_set_name(const std::string& set_list, const std::string& set_name) {
    if (const auto error = platform::append_line(set_list, set_name))
        return Result::failure("The name \"" + set_name + "\" could not be added to " +
                               platform::native_path(set_list) + ": " + error.message() + ".");
    return Result::success();
}

std::vector<std::string> read_set_names(const std::string& set_list) {
    auto read = platform::read_lines(set_list);
    if (read.error && platform::exists(set_list))
        platform::show_message(platform::native_path(set_list) +
                               " could not be read: " + read.error.message() + ".");
    return std::move(read.lines);
}

} // namespace library
