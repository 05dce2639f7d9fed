#include "core/library/folder_names.h"

#include "platform/file_names.h"

namespace core {

Result<> check_folder_name(const std::string& name) {
    if (const auto problem = platform::file_name_problem(name))
        return fail(said("That name cannot be a folder name: %1.", *problem));
    return {};
}

} // namespace core
