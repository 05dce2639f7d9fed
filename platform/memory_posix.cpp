#include "platform/memory.h"

#include <malloc.h>

namespace platform {

void keep_large_blocks_for_reuse() {
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
}

} // namespace platform
