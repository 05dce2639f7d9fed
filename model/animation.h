#pragma once

#include "model/file_bytes.h"
#include "model/model_data.h"

#include <cstdint>
#include <span>
#include <string>

namespace model {

enum class RunProblem { none, outside_file, no_frames, no_samples, too_many_samples };

struct SampleLookup {
    std::int16_t sample = 0;
    RunProblem problem = RunProblem::none;
    int valid = 0; // the run the problem was found in
    int total = 0;
    std::int64_t runs = 0; // runs walked
};

// The sample of a frame in the run-length chain of a channel that starts at `at`: each run is a
// byte of samples stored, a byte of frames covered, then the samples; frames past the stored
// samples repeat the last one.
SampleLookup find_sample(std::span<const std::uint8_t> file, std::uint64_t at, int frame);

// Walks every channel of every blend of each sequence's animation to its last frame, so that
// posing never meets a run it cannot read. The walking of all sequences together stays within a
// budget of runs: channels of a hostile file may all point at one long chain.
class AnimationChecker final {
public:
    void check(const FileBytes& file, const Animation& animation, std::int64_t bone_count,
               const std::string& sequence);

private:
    std::int64_t runs_ = 0;
};

} // namespace model
