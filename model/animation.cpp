#include "model/animation.h"

#include "model/limits.h"

#include <algorithm>

namespace model {

namespace {

// The most bytes a strict walk reads from the first run on to find a frame's sample: each run
// before the frame's covers a frame at least with no more samples than frames, 4 bytes a frame
// at most; the frame's own run, its header and one of at most 255 samples.
constexpr std::uint64_t most_walked_to(int frame) {
    return 4 * static_cast<std::uint64_t>(frame) + layout::run::header_size +
           255 * layout::run::sample_size;
}

std::string describe(const SampleLookup& lookup) {
    switch (lookup.problem) {
    case RunProblem::outside_file:
        return "runs past the end of the file";
    case RunProblem::no_frames:
        return "has a run of no frames";
    case RunProblem::no_samples:
        return "has a run without samples";
    case RunProblem::too_many_samples:
        return "has a run of " + std::to_string(lookup.valid) + " samples for " +
               std::to_string(lookup.total) + " frames";
    case RunProblem::none:
        break;
    }
    return {};
}

} // namespace

void AnimationChecker::check(const FileBytes& file, const Animation& animation,
                             std::int64_t bone_count, const std::string& sequence) {
    const std::uint64_t records = static_cast<std::uint64_t>(animation.blends) * bone_count;
    if (records == 0)
        return;
    namespace fields = layout::animation_record;
    file.check_inside(animation.block, records * fields::size,
                      "the animation of sequence " + sequence);
    for (std::uint64_t record = 0; record < records; ++record) {
        const std::uint64_t at =
            static_cast<std::uint64_t>(animation.block) + record * fields::size;
        for (std::uint64_t channel = 0; channel < layout::channels; ++channel) {
            const std::uint16_t offset = file.u16(at + channel * fields::channel_offset_size);
            if (offset == 0)
                continue;
            const std::uint64_t first_run = at + offset;
            if (first_run < file.size())
                file.take(first_run,
                          std::min(most_walked_to(animation.frames - 1), file.size() - first_run));
            const SampleLookup lookup = find_sample(file.bytes(), first_run, animation.frames - 1);
            if (lookup.problem != RunProblem::none)
                file.damaged("the animation of bone " + std::to_string(record % bone_count) +
                             " in sequence " + sequence + " " + describe(lookup));
            runs_ += lookup.runs;
            if (runs_ > limits::total_animation_runs)
                file.damaged("its animations hold more than " +
                             std::to_string(limits::total_animation_runs) + " runs");
        }
    }
}

} // namespace model
