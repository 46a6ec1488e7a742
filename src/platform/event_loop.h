#pragma once

namespace sahifex::forms { class Timer; }

namespace sahifex::platform {

// The window system's event loop as the handlers see it.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Lets pending events run (clicks, repaints, timer ticks), then returns.
    virtual void yield() = 0;
    // From now on, the loop runs the timer's ticks while its Interval is above 0.
    virtual void attach(forms::Timer& timer) = 0;
    // Ends the program at once: no further event runs.
    virtual void exitNow() = 0;
    // The program's own loop: runs the events until the program ends, returns its status.
    virtual int run() = 0;
};

} // namespace sahifex::platform
