#include "core/library/folder_names.h"

#include "platform/file_names.h"

namespace core {

std::string folder_name_problem(const std::string& name) {
    return platform::file_name_problem(name);
}

} // namespace core
