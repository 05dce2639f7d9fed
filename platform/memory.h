#pragma once

// How the process's memory allocator treats large blocks.
namespace platform {

// Tessary reads model files of a few megabytes one after the other, on several threads at once.
// Where the allocator would hand each such block back to the system as it is freed, and have the
// next one's pages faulted in afresh (which made the Check window twelve times slower), it keeps
// freed blocks of up to 16 MB for reuse.
void keep_large_blocks_for_reuse();

} // namespace platform
