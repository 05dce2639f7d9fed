#pragma once

#include <string>

// On Linux the system's registry and drive letters are those of a Wine prefix.
namespace platform {

// The prefix in $WINEPREFIX, else ~/.wine.
std::string wine_prefix();

// The Windows form of a native path, as programs run through Wine see it: on the drive of the
// prefix that holds it, else on Z:, with backslashes.
std::string windows_path_in_prefix(const std::string& native);

} // namespace platform
