#pragma once

#include "model/file_bytes.h"
#include "model/model_data.h"
#include "model/runs.h"

#include <cstdint>
#include <span>
#include <string>

namespace model {

struct SampleLookup {
    std::int16_t sample = 0;
    RunProblem problem = RunProblem::none;
    int valid = 0; // the run the problem was found in
    int total = 0;
    std::int64_t runs = 0; // runs walked
};

// The sample of a frame in the chain of runs of a channel that starts at `at`, walked strictly.
// Inline, as posing looks up each channel of each bone of every frame drawn.
inline SampleLookup find_sample(std::span<const std::uint8_t> file, std::uint64_t at, int frame) {
    RunWalk walk(file, at, RunReading::strict);
    SampleLookup lookup;
    while (walk.next()) {
        if (frame < walk.total()) {
            lookup.sample = walk.sample_of(frame);
            break;
        }
        frame -= walk.total();
    }
    lookup.problem = walk.problem();
    lookup.valid = walk.valid();
    lookup.total = walk.total();
    lookup.runs = walk.runs();
    return lookup;
}

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
