#include "viewer/clock.h"

namespace viewer {

WallClock::WallClock() {
    elapsed_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, &Clock::ticked);
}

double WallClock::seconds() const {
    return static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
}

void WallClock::set_running(bool running) {
    if (running && !timer_.isActive())
        timer_.start();
    else if (!running)
        timer_.stop();
}

} // namespace viewer
