#pragma once

#include "model/studio_model.h"

// Where a model's sequence stands as it plays, pauses and steps: the frame position at any
// moment of a clock, at the sequence's own rate.
namespace render {

class Playback final {
public:
    explicit Playback(const model::StudioModel& model) : model_(&model) {}

    // Starts the sequence from its first frame at that moment; -1 stands still in the
    // reference pose.
    void choose(int sequence, double now);
    int sequence() const { return sequence_; }

    bool playing() const { return playing_; }
    // Plays on from the frame shown; a sequence that stopped at its end starts again.
    void play(double now);
    void pause(double now);

    // Pauses at a frame, kept within the sequence.
    void show_frame(float frame);
    // Pauses one whole frame further on or back; a looping sequence goes round.
    void step(int frames, double now);

    float frame(double now) const;
    // Whether a sequence that does not loop has played to its end.
    bool finished(double now) const;

private:
    int frame_count() const;

    const model::StudioModel* model_;
    int sequence_ = -1;
    bool playing_ = false;
    double started_at_ = 0;   // the clock's time when playing began
    double started_from_ = 0; // the sequence's time then, in seconds
    float paused_frame_ = 0;
};

} // namespace render
