#include "core/library/set_lists.h"

#include "platform/file_system.h"

#include <limits>

namespace core {

namespace {

// A list of a million sets is still far smaller.
constexpr std::size_t largest_set_list = 64 * 1024 * 1024;

Result<std::string> read_list(const Path& list) {
    if (!platform::exists(list))
        return std::string();
    auto text = platform::read_file(list, largest_set_list);
    if (!text)
        return fail(said("%1 could not be read: %2.", platform::native_path(list), text.why()));
    return text;
}

} // namespace

Result<Names> read_set_names(const Library& library, ModelKind kind) {
    const auto text = read_list(library.program_file(facts(kind).set_list));
    if (!text)
        return text.failure();
    return platform::split_lines(*text, std::numeric_limits<std::size_t>::max());
}

Result<std::string> list_with_set_name(const Library& library, const BackupSet& set) {
    auto text = read_list(library.program_file(facts(set.kind).set_list));
    if (text)
        *text += set.name + "\r\n";
    return text;
}

} // namespace core
