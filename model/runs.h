#pragma once

#include "model/layout.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <span>

namespace model {

// How a walk takes the runs of a channel.
enum class RunReading {
    // As the reader checks a file: every run covers at least one frame with at least one and at
    // most as many samples as frames, and lies in the file whole.
    strict,
    // As the game reads a file to measure it: any counts are taken, a run of no frames is passed
    // by, and the caller vouches for every byte read before it is read.
    lenient,
};

enum class RunProblem { none, outside_file, no_frames, no_samples, too_many_samples };

// The run-length chain of a channel's samples, walked run by run from the first: each run is a
// byte of samples stored (valid), a byte of frames covered (total), then the samples, each a
// short; the run's frames past its stored samples repeat the last one. The one walk of runs
// there is, for reading, checking and measuring a model alike.
class RunWalk final {
public:
    RunWalk(std::span<const std::uint8_t> file, std::uint64_t first, RunReading reading);

    // Steps onto the next run, the first at the start. False where the walk cannot go on, as
    // problem() says: a strict walk at a run that is malformed or leaves the file, a lenient one
    // at a header that leaves it.
    bool next();

    RunProblem problem() const { return problem_; }
    std::uint64_t at() const { return at_; }           // the header of the run stepped onto
    std::uint64_t next_at() const { return next_at_; } // the header of the run after it
    int valid() const { return valid_; }
    int total() const { return total_; }
    std::int64_t runs() const { return runs_; } // stepped onto so far

    // Word k of the run, counted from its header as word 0: sample k - 1 for k from 1 to valid.
    // A strict walk vouches for its samples; a lenient one's caller vouches for each word.
    std::int16_t word(std::int64_t k) const;
    // The sample of the run's frame, counted from its first: past the samples stored the last one
    // repeats. A strict walk vouches for it.
    std::int16_t sample_of(int frame) const { return word(std::min(frame, valid_ - 1) + 1); }

private:
    std::span<const std::uint8_t> file_;
    RunReading reading_;
    RunProblem problem_ = RunProblem::none;
    std::uint64_t at_ = 0;
    std::uint64_t next_at_;
    int valid_ = 0;
    int total_ = 0;
    std::int64_t runs_ = 0;
};

// Inline, as posing walks runs for each channel of each bone of every frame drawn.
inline RunWalk::RunWalk(std::span<const std::uint8_t> file, std::uint64_t first, RunReading reading)
    : file_(file), reading_(reading), next_at_(first) {}

inline bool RunWalk::next() {
    if (problem_ != RunProblem::none)
        return false;
    at_ = next_at_;
    if (at_ >= file_.size() || file_.size() - at_ < layout::run::header_size) {
        problem_ = RunProblem::outside_file;
        return false;
    }
    valid_ = file_[at_];
    total_ = file_[at_ + 1];
    ++runs_;
    next_at_ = at_ + layout::run::header_size +
               layout::run::sample_size * static_cast<std::uint64_t>(valid_);
    if (reading_ == RunReading::strict) {
        if (total_ == 0)
            problem_ = RunProblem::no_frames;
        else if (valid_ == 0)
            problem_ = RunProblem::no_samples;
        else if (valid_ > total_)
            problem_ = RunProblem::too_many_samples;
        else if (next_at_ > file_.size())
            problem_ = RunProblem::outside_file;
    }
    return problem_ == RunProblem::none;
}

inline std::int16_t RunWalk::word(std::int64_t k) const {
    const std::uint64_t offset = at_ + layout::run::sample_size * static_cast<std::uint64_t>(k);
    assert(k >= 0 && offset + layout::run::sample_size <= file_.size() &&
           "vouched for before it is read");
    std::int16_t value = 0;
    std::memcpy(&value, file_.data() + offset, sizeof value);
    return value;
}

} // namespace model
