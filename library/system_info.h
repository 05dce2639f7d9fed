#pragma once

namespace library {

// Starts the system information tool where the registry says it is, without waiting for it;
// tells the user when it is unavailable.
void StartSysInfo();

} // namespace library
