#include "platform/paste_policy.h"

#include <algorithm>

namespace sahifex::platform {

using std::chrono::duration_cast;
using std::chrono::milliseconds;

PastePolicy::PastePolicy(Now now) : now_(std::move(now)) {}

void PastePolicy::keysSent() {
    keys_ = now_();
    started_ = true;
    done_ = false;
    requests_ = 0;
}

void PastePolicy::textRequested() {
    if (!started_ || done_) return;
    lastRequest_ = now_();
    if (requests_++ == 0) firstRequest_ = lastRequest_;
    checkTime();
}

void PastePolicy::clipboardLost() {
    if (started_) done_ = true;
}

PastePolicy::Clock::time_point PastePolicy::deadline() const {
    const Clock::time_point waitEnds =
        requests_ == 0 ? keys_ + kFirstRequest : lastRequest_ + kQuiet;
    return std::min(waitEnds, keys_ + kCap);
}

void PastePolicy::checkTime() {
    if (started_ && now_() >= deadline()) done_ = true;
}

milliseconds PastePolicy::remaining() const {
    if (!started_ || done_) return milliseconds(0);
    // Rounded up, so that a wait of remaining() never wakes a moment too early.
    const auto left = deadline() - now_();
    const milliseconds whole = duration_cast<milliseconds>(left);
    return std::max(milliseconds(0), whole < left ? whole + milliseconds(1) : whole);
}

std::chrono::duration<double, std::milli> PastePolicy::firstRequestDelay() const {
    if (requests_ == 0) return milliseconds(-1);
    return firstRequest_ - keys_;
}

} // namespace sahifex::platform
