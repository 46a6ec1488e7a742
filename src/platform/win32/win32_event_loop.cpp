#include "platform/win32/win32_event_loop.h"

#include <cstdio>
#include <cstdlib>

#include "forms/timer.h"
#include "platform/handler_guard.h"

namespace sahifex::platform::win32 {

namespace {

void endProcessAtOnce() {
    std::fflush(nullptr);
    // No destructor, no pending message and no unload handler may run any more.
    std::_Exit(0);
}

// A yield serves what is waiting now, not what its own handlers keep adding.
constexpr int kMessagesPerYield = 1000;

} // namespace

Win32EventLoop::Win32EventLoop(std::function<void()> exitProgram)
    : exitProgram_(exitProgram ? std::move(exitProgram) : endProcessAtOnce),
      timerWindow_(L"SahifexTimers", [this](UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT& result) {
          return handle(message, wParam, lParam, result);
      }) {}

void Win32EventLoop::yield() {
    MSG message;
    for (int served = 0; served < kMessagesPerYield &&
                         PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++served) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the program's loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Win32EventLoop::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Asked to end (WM_QUIT): what the program still owes others goes first.
    if (beforeExit) beforeExit();
    return static_cast<int>(message.wParam);
}

void Win32EventLoop::attach(forms::Timer& timer) {
    timers_.push_back(&timer);
    const UINT_PTR id = timers_.size();
    auto follow = [this, id](forms::Timer& t) {
        // Every set of the Interval starts the count again.
        if (t.running())
            SetTimer(timerWindow_.handle(), id, static_cast<UINT>(t.interval()), nullptr);
        else
            KillTimer(timerWindow_.handle(), id);
    };
    subscriptions_.push_back(timer.observe([follow](forms::Control& c, forms::Change change) {
        if (change == forms::Change::Interval || change == forms::Change::Enabled)
            follow(static_cast<forms::Timer&>(c));
    }));
    follow(timer);
}

bool Win32EventLoop::handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam == 0 || wParam > timers_.size()) return false;
    forms::Timer& timer = *timers_[wParam - 1];
    runHandler([&] { timer.fire(); });
    result = 0;
    return true;
}

void Win32EventLoop::exitNow() {
    if (beforeExit) beforeExit();
    exitProgram_();
}

} // namespace sahifex::platform::win32
