#include "core/library/readme.h"

#include "platform/file_system.h"

#include <limits>

namespace core {

namespace {
constexpr std::size_t largest_readme = 16 * 1024 * 1024;
}

Result<std::string> readme_text(const Library& library, const std::string& language) {
    const auto translated = library.program_file("readme." + language + ".txt");
    const auto file =
        platform::is_ordinary_file(translated) ? translated : library.program_file("readme.txt");
    const auto text = platform::read_file(file, largest_readme);
    if (!text)
        return fail(said("readme.txt could not be read from the program folder: %1.", text.why()));
    const auto lines = platform::split_lines(*text, std::numeric_limits<std::size_t>::max());
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i > 0 ? "\n" : "") + lines[i];
    return joined;
}

} // namespace core
