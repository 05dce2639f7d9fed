#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace viewer {

// The time a sequence plays by. The window asks it for the time and redraws on each tick; tests
// give the window a clock of their own that moves only when they say.
class Clock : public QObject {
    Q_OBJECT

public:
    // Seconds since some fixed moment.
    virtual double seconds() const = 0;
    // While running, the clock ticks as often as a new frame is worth drawing.
    virtual void set_running(bool running) = 0;

signals:
    void ticked();
};

// The real time, ticking at the rate of a screen's refresh.
class WallClock final : public Clock {
    Q_OBJECT

public:
    WallClock();

    double seconds() const override;
    void set_running(bool running) override;

private:
    QElapsedTimer elapsed_;
    QTimer timer_;
};

} // namespace viewer
