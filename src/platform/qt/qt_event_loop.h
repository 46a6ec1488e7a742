#pragma once
// The Qt event loop as the handlers see it: yield, timers, and the end of the program.

#include <functional>
#include <memory>
#include <vector>

#include "forms/subscription.h"
#include "platform/event_loop.h"

class QTimer;

namespace sahifex::platform::qt {

class QtEventLoop : public EventLoop {
public:
    // exitProgram ends the process; tests hand in their own.
    explicit QtEventLoop(std::function<void()> exitProgram = {});
    ~QtEventLoop() override;

    void yield() override;
    void attach(forms::Timer& timer) override;
    void exitNow() override;
    int run() override; // the QApplication's loop

private:
    std::function<void()> exitProgram_;
    std::vector<std::unique_ptr<QTimer>> timers_;
    std::vector<forms::Subscription> subscriptions_;
};

} // namespace sahifex::platform::qt
