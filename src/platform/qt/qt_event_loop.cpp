#include "platform/qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "forms/timer.h"
#include "platform/handler_guard.h"

namespace sahifex::platform::qt {

namespace {
void endProcessAtOnce() {
    std::fflush(nullptr);
    // No destructor, no pending event and no unload handler may run any more.
    std::_Exit(0);
}
} // namespace

QtEventLoop::QtEventLoop(std::function<void()> exitProgram)
    : exitProgram_(exitProgram ? std::move(exitProgram) : endProcessAtOnce) {}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::yield() { QCoreApplication::processEvents(); }

void QtEventLoop::attach(forms::Timer& timer) {
    auto qtimer = std::make_unique<QTimer>();
    QTimer* raw = qtimer.get();
    QObject::connect(raw, &QTimer::timeout, [&timer] { runHandler([&] { timer.fire(); }); });
    auto follow = [raw](forms::Timer& t) {
        // Every set of the Interval starts the count again.
        if (t.running())
            raw->start(t.interval());
        else
            raw->stop();
    };
    subscriptions_.push_back(timer.observe([follow](forms::Control& c, forms::Change change) {
        if (change == forms::Change::Interval || change == forms::Change::Enabled)
            follow(static_cast<forms::Timer&>(c));
    }));
    follow(timer);
    timers_.push_back(std::move(qtimer));
}

void QtEventLoop::exitNow() { exitProgram_(); }

int QtEventLoop::run() { return QCoreApplication::exec(); }

} // namespace sahifex::platform::qt
