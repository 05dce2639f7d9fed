#include "platform/steam_roots.h"

#include "platform/registry.h"
#include "platform/utf16_win.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace platform {

namespace {

// A folder path stored as REG_SZ, in backslash form.
std::optional<std::string> registry_folder(RegistryRoot root, const std::string& key,
                                           const std::string& name) {
    const auto value = query_registry_value(root, key, name, 1024);
    if (!value || value->type != reg_sz)
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
    // Steam writes its SteamPath with forward slashes.
    std::replace(text.begin(), text.end(), '/', '\\');
    if (text.empty())
        return std::nullopt;
    return text;
}

std::string program_files(const wchar_t* variable, const char* standard) {
    const wchar_t* folder = _wgetenv(variable);
    return (folder && *folder ? narrowed(folder) : std::string(standard)) + "\\Steam";
}

} // namespace

std::vector<std::string> steam_roots() {
    std::vector<std::string> roots;
    if (auto user =
            registry_folder(RegistryRoot::current_user, "Software\\Valve\\Steam", "SteamPath"))
        roots.push_back(std::move(*user));
    if (auto machine =
            registry_folder(RegistryRoot::local_machine, "SOFTWARE\\Valve\\Steam", "InstallPath"))
        roots.push_back(std::move(*machine));
    roots.push_back(program_files(L"ProgramFiles(x86)", "C:\\Program Files (x86)"));
    roots.push_back(program_files(L"ProgramFiles", "C:\\Program Files"));
    return roots;
}

} // namespace platform
