#include "platform/memory.h"

namespace platform {

// Windows' heap keeps no large blocks for reuse that a program could ask for.
void keep_large_blocks_for_reuse() {}

} // namespace platform
