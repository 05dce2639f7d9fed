#include "render/playback.h"

#include <algorithm>
#include <cmath>

namespace render {

int Playback::frame_count() const {
    if (sequence_ < 0)
        return 1;
    return std::max(1, model_->sequences()[static_cast<std::size_t>(sequence_)].frame_count);
}

void Playback::choose(int sequence, double now) {
    const int count = static_cast<int>(model_->sequences().size());
    sequence_ = sequence >= 0 && sequence < count ? sequence : -1;
    paused_frame_ = 0;
    playing_ = false;
    if (sequence_ >= 0)
        play(now);
}

void Playback::play(double now) {
    if (sequence_ < 0)
        return;
    const auto& info = model_->sequences()[static_cast<std::size_t>(sequence_)];
    if (!info.looping && paused_frame_ >= static_cast<float>(frame_count() - 1))
        paused_frame_ = 0;
    started_from_ = std::isfinite(info.fps) && info.fps > 0 ? paused_frame_ / info.fps : 0.0;
    started_at_ = now;
    playing_ = true;
}

void Playback::pause(double now) {
    paused_frame_ = frame(now);
    playing_ = false;
}

void Playback::show_frame(float frame) {
    paused_frame_ = std::clamp(frame, 0.0f, static_cast<float>(frame_count() - 1));
    playing_ = false;
}

void Playback::step(int frames, double now) {
    const int count = frame_count();
    int frame = static_cast<int>(std::lround(this->frame(now))) + frames;
    if (sequence_ >= 0 && model_->sequences()[static_cast<std::size_t>(sequence_)].looping)
        frame = ((frame % count) + count) % count;
    show_frame(static_cast<float>(frame));
}

float Playback::frame(double now) const {
    if (!playing_)
        return paused_frame_;
    return model_->frame_at(sequence_, started_from_ + (now - started_at_));
}

bool Playback::finished(double now) const {
    return sequence_ >= 0 && !model_->sequences()[static_cast<std::size_t>(sequence_)].looping &&
           frame(now) >= static_cast<float>(frame_count() - 1);
}

} // namespace render
