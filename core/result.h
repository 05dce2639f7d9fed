#pragma once

#include "platform/path.h"
#include "platform/result.h"

// The words the library speaks in: results and paths.
namespace core {

using platform::Done;
using platform::fail;
using platform::Failure;
using platform::Messages;
using platform::Path;
using platform::Result;

} // namespace core
