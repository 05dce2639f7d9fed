#pragma once

#include "viewer/clock.h"

// A clock that moves only when a test advances it, ticking then as the real one would.
class ManualClock final : public viewer::Clock {
public:
    double seconds() const override { return seconds_; }
    void set_running(bool running) override { running_ = running; }

    void advance(double seconds) {
        seconds_ += seconds;
        if (running_)
            emit ticked();
    }

private:
    double seconds_ = 1000;
    bool running_ = false;
};
