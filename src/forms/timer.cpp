#include "forms/timer.h"

#include "forms/runtime_failure.h"
#include "forms/scoped_flag.h"

namespace sahifex::forms {

void Timer::setInterval(int ms) {
    if (ms < 0) throw RuntimeFailure(name() + ": invalid Interval");
    interval_ = ms;
    notify(Change::Interval); // also when unchanged: it restarts the count
}

void Timer::fire() {
    if (ticking_ || !running() || !TimerEvent) return;
    const ScopedFlag ticking(ticking_);
    TimerEvent();
}

} // namespace sahifex::forms
