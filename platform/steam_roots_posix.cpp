#include "platform/steam_roots.h"

#include <cstdlib>

namespace platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::vector<std::string> steam_roots() {
    std::vector<std::string> roots;
    const std::string home = environment("HOME");
    // Relative folders in these variables are not meant to be used.
    const bool has_home = home.starts_with('/');
    std::string data_home = environment("XDG_DATA_HOME");
    if (!data_home.starts_with('/'))
        data_home = has_home ? home + "/.local/share" : "";

    // ~/.steam holds Steam's links to the install that ran last, so it comes first.
    if (has_home) {
        roots.push_back(home + "/.steam/steam");
        roots.push_back(home + "/.steam/root");
    }
    if (!data_home.empty())
        roots.push_back(data_home + "/Steam");
    if (has_home) {
        roots.push_back(home + "/.steam/debian-installation");
        roots.push_back(home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam");
        roots.push_back(home + "/.var/app/com.valvesoftware.Steam/data/Steam");
        roots.push_back(home + "/snap/steam/common/.local/share/Steam");
    }
    return roots;
}

} // namespace platform
