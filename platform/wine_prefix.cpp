#include "platform/wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace platform {

std::string wine_prefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.wine";
}

std::string windows_path_in_prefix(const std::string& native) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::weakly_canonical(fs::absolute(native, error), error);

    // The drive whose folder holds the path most closely wins; Z: is the whole file system.
    std::string drive = "z:";
    fs::path drive_root = "/";
    for (const auto& link : fs::directory_iterator(wine_prefix() + "/dosdevices", error)) {
        const std::string name = link.path().filename().string();
        if (name.size() != 2 || name[1] != ':')
            continue;
        const fs::path root = fs::canonical(link.path(), error);
        if (error || root.empty())
            continue;
        const auto [root_end, target_at] =
            std::mismatch(root.begin(), root.end(), target.begin(), target.end());
        if (root_end == root.end() && std::distance(root.begin(), root.end()) >
                                          std::distance(drive_root.begin(), drive_root.end())) {
            drive = name;
            drive_root = root;
        }
    }

    std::string result(1, static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0]))));
    result += ':';
    const fs::path rest = target.lexically_relative(drive_root);
    for (const auto& part : rest) {
        if (part != ".")
            result += '\\' + part.string();
    }
    if (result.size() == 2)
        result += '\\';
    return result;
}

} // namespace platform
