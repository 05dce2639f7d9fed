#include "core/library/name_lists.h"

#include "platform/file_names.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>
#include <span>

namespace core {

namespace {

// Far more than 27 names of any length.
constexpr std::size_t largest_list = 1024 * 1024;

// A lone LF, which ends a line on Linux but not here.
bool has_lone_line_feed(std::string_view text) {
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r')
            return true;
    }
    return false;
}

Result<> check_names(const char* file, std::span<const std::string> names,
                     std::span<const std::string> taken) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto line = i + 1;
        if (const auto problem = platform::file_name_problem(names[i]))
            return fail(said("Line %1 of %2, \"%3\", cannot be a folder name: %4.", line, file,
                             names[i], *problem));
        for (std::size_t j = 0; j < i; ++j) {
            if (platform::same_name(names[j], names[i]))
                return fail(
                    said("Line %1 of %2, \"%3\", repeats line %4.", line, file, names[i], j + 1));
        }
        for (const auto& name : taken) {
            if (platform::same_name(name, names[i]))
                return fail(said("Line %1 of %2, \"%3\", names a folder that Tessary makes itself.",
                                 line, file, names[i]));
        }
    }
    return {};
}

} // namespace

Result<Names> read_name_list(const Library& library, ModelKind kind) {
    const auto& kind_facts = facts(kind);
    const std::string file = kind_facts.name_list;
    const auto read = platform::read_file(library.program_file(kind_facts.name_list), largest_list);
    if (!read)
        return fail(said("%1 could not be read from the program folder: %2.", file, read.why()));
    const std::string& text = *read;

    const auto wanted = kind_facts.listed_names;
    Result<Names> names = platform::split_lines(text, wanted);
    if (names->size() < wanted && has_lone_line_feed(text))
        return fail(said_n("%1 in the program folder ends its lines with LF alone, but Tessary "
                           "reads a line as ending with CR LF (or CR), so it finds %n line(s) "
                           "where it needs %2.",
                           names->size(), file, wanted));
    // A name becomes a folder of the library and of every backup set: it is checked at every
    // reading, as the file may have been edited since the library was made.
    const auto taken = kind == ModelKind::player ? std::span<const std::string>(fixed_player_types)
                                                 : std::span<const std::string>();
    if (auto checked = check_names(kind_facts.name_list, *names, taken); !checked)
        return checked.failure();
    if (names->size() < wanted)
        names.tell(said_n("%1 in the program folder holds %n line(s), but Tessary needs %2.",
                          names->size(), file, wanted));
    return names;
}

Result<Names> complete_name_list(const Library& library, ModelKind kind) {
    auto names = read_name_list(library, kind);
    if (!names.messages().empty())
        return names.failure();
    return names;
}

Result<Names> set_names(const Library& library, ModelKind kind) {
    auto names = complete_name_list(library, kind);
    if (names && kind == ModelKind::player)
        names->insert(names->end(), fixed_player_types.begin(), fixed_player_types.end());
    return names;
}

Result<LibraryNames> library_names(const Library& library) {
    auto weapons = complete_name_list(library, ModelKind::weapon);
    if (!weapons)
        return weapons.failure();
    auto types = complete_name_list(library, ModelKind::player);
    if (!types)
        return types.failure();
    types->insert(types->end(), fixed_player_types.begin(), fixed_player_types.end());
    return LibraryNames{std::move(*types), std::move(*weapons)};
}

} // namespace core
