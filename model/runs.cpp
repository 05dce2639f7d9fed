#include "model/runs.h"

#include "model/layout.h"

#include <cassert>
#include <cstring>

namespace model {

namespace run = layout::run;

RunWalk::RunWalk(std::span<const std::uint8_t> file, std::uint64_t first, RunReading reading)
    : file_(file), reading_(reading), next_at_(first) {}

bool RunWalk::next() {
    if (problem_ != RunProblem::none)
        return false;
    at_ = next_at_;
    if (at_ >= file_.size() || file_.size() - at_ < run::header_size) {
        problem_ = RunProblem::outside_file;
        return false;
    }
    valid_ = file_[at_];
    total_ = file_[at_ + 1];
    ++runs_;
    next_at_ = at_ + run::header_size + run::sample_size * static_cast<std::uint64_t>(valid_);
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

std::int16_t RunWalk::word(std::int64_t k) const {
    const std::uint64_t offset = at_ + run::sample_size * static_cast<std::uint64_t>(k);
    assert(k >= 0 && offset + run::sample_size <= file_.size() && "vouched for before it is read");
    std::int16_t value = 0;
    std::memcpy(&value, file_.data() + offset, sizeof value);
    return value;
}

} // namespace model
