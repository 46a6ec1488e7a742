#pragma once
// A timer: while Interval > 0 (and Enabled) the event loop runs its Timer event
// every Interval ms. Setting the Interval starts the count again.

#include "forms/control.h"

namespace sahifex::forms {

class Timer : public Control {
public:
    explicit Timer(std::string name) : Control(std::move(name), Kind::Timer) {}
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool running() const { return interval_ > 0 && enabled(); }

    std::function<void()> TimerEvent;

    // Called by the event loop when the interval has passed. A tick that comes while
    // the previous tick of the same timer still runs (inside one of its yields) is
    // dropped, so that a tick never runs inside itself.
    void fire();
    bool ticking() const { return ticking_; }

private:
    int interval_ = 0;
    bool ticking_ = false;
};

} // namespace sahifex::forms
