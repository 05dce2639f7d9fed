#include <windows.h>

#include <string>

namespace platform {

std::string executable_folder() {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

} // namespace platform
