#include "core/readme.h"

#include "core/model_kinds.h"
#include "platform/file_system.h"

#include <limits>

namespace core {

namespace {
constexpr std::size_t largest_readme = 16 * 1024 * 1024;
}

Result<std::string> readme_text() {
    std::string text;
    if (const auto error = platform::read_file(program_file("readme.txt"), largest_readme, text))
        return fail("readme.txt could not be read from the program folder: " + error.message() +
                    ".");
    const auto lines = platform::split_lines(text, std::numeric_limits<std::size_t>::max());
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i > 0 ? "\n" : "") + lines[i];
    return joined;
}

} // namespace core
