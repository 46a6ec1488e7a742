#pragma once
// The Windows message loop as the handlers see it: yield, timers (SetTimer), and the end
// of the program.

#include <functional>
#include <vector>

#include "forms/subscription.h"
#include "platform/event_loop.h"
#include "platform/win32/message_window.h"

namespace sahifex::platform::win32 {

class Win32EventLoop : public EventLoop {
public:
    // exitProgram ends the process; tests hand in their own.
    explicit Win32EventLoop(std::function<void()> exitProgram = {});

    void yield() override;
    void attach(forms::Timer& timer) override;
    void exitNow() override;

    // Runs before the program ends (the clipboard hands over its promised text).
    std::function<void()> beforeExit;

    // Runs until WM_QUIT, returns its code.
    int run() override;

private:
    bool handle(UINT message, WPARAM, LPARAM, LRESULT& result);

    std::function<void()> exitProgram_;
    std::vector<forms::Timer*> timers_; // a timer's id is its index + 1
    std::vector<forms::Subscription> subscriptions_;
    MessageWindow timerWindow_;
};

} // namespace sahifex::platform::win32
