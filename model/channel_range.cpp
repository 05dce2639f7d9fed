#include "model/channel_range.h"

#include "model/limits.h"
#include "model/runs.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace model {

SampleRange channel_range(const MeasuredFile& file, std::int64_t at, std::int64_t frames,
                          const std::function<std::string()>& channel, std::int64_t& words_left) {
    namespace run = layout::run;
    SampleRange range{std::numeric_limits<std::int16_t>::max(),
                      std::numeric_limits<std::int16_t>::min()};
    const auto runs = [&channel] { return "a run of " + channel(); };
    // Vouched for run by run below: an offset before the file is named there as such.
    RunWalk walk(file.file().bytes(), static_cast<std::uint64_t>(at), RunReading::lenient);
    for (std::int64_t frames_left = frames; frames_left > 0;) {
        file.inside(static_cast<std::int64_t>(walk.next_at()), run::header_size, runs);
        [[maybe_unused]] const bool stepped = walk.next();
        assert(stepped && "its header was vouched for");
        // This run's frames each take a word: frame k < valid its word k + 1, the others word
        // valid; so the words read are 1 to valid, or the header alone when valid is 0.
        const std::int64_t covered = std::min<std::int64_t>(walk.total(), frames_left);
        const std::int64_t first = walk.valid() == 0 ? 0 : 1;
        const std::int64_t last = std::min<std::int64_t>(walk.valid(), covered);
        words_left -= 1 + (covered > 0 ? last - first + 1 : 0);
        if (words_left < 0)
            throw Refusal{said("the game walks more than %1 words of its animation, more than "
                               "Tessary follows",
                               limits::measured_animation_words)};
        if (covered > 0) {
            file.inside(static_cast<std::int64_t>(walk.at()),
                        run::header_size + run::sample_size * last, runs);
            for (std::int64_t word = first; word <= last; ++word) {
                const std::int16_t sample = walk.word(word);
                range.least = std::min(range.least, sample);
                range.greatest = std::max(range.greatest, sample);
            }
        }
        frames_left -= covered;
    }
    return range;
}

} // namespace model
