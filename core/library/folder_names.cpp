#include "core/library/folder_names.h"

#include "platform/file_names.h"

namespace core {

Result<> check_folder_name(const std::string& name) {
    if (const auto problem = platform::file_name_problem(name); !problem.empty())
        return fail("That name cannot be a folder name: " + problem + ".");
    return {};
}

} // namespace core
