#pragma once

#include "core/result.h"

namespace core {

// Starts the system information tool where the registry says it is, without waiting for it.
Result<> start_system_information();

} // namespace core
