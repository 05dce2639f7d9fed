#pragma once

#include <string>
#include <vector>

// Where Steam may be installed for the current user.
namespace platform {

// The folders that may hold a Steam install, most likely first. They need not exist, and one
// install may appear under several names (Steam links some of them to one another).
//   Linux: ~/.steam/steam, ~/.steam/root, $XDG_DATA_HOME/Steam (else ~/.local/share/Steam),
//   ~/.steam/debian-installation, the Flatpak's and the Snap's folders.
//   Windows: the user's SteamPath, the machine's InstallPath, then Steam in Program Files.
std::vector<std::string> steam_roots();

} // namespace platform
