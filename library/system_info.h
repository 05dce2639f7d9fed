#pragma once

#include "library/result.h"

namespace library {

// Starts the system information tool where the registry says it is, without waiting for it.
Result<> start_system_information();

} // namespace library
