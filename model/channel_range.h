#pragma once

#include "model/measured_file.h"

#include <cstdint>
#include <functional>
#include <string>

namespace model {

// The least and greatest sample a channel gives over a sequence's frames.
struct SampleRange {
    std::int16_t least = 0;
    std::int16_t greatest = 0;
};

// The range of the channel whose runs start at `at`, over frames 0 to frames - 1 (at least one),
// read as the game reads each frame's sample: walking the runs from the first, passing by a run
// of no frames, and taking for a frame past a run's stored samples its word `valid`, counted from
// the run's header as word 0, which is the header itself in a run that stores none. The walk
// reads what the game's reads of every frame read together, once; each word read is taken from
// words_left, the measurement's allowance, and channel() names the runs where they leave the
// file.
SampleRange channel_range(const MeasuredFile& file, std::int64_t at, std::int64_t frames,
                          const std::function<std::string()>& channel, std::int64_t& words_left);

} // namespace model
