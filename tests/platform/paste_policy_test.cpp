// The paste's wait on a clock of the test's own: each scenario is a list of events at
// given times, and the result is the moment the wait ended and whether the text arrived.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paste_policy.h"

namespace {

using sahifex::platform::PastePolicy;
using std::chrono::milliseconds;

struct Event {
    int atMs;
    enum Kind { Request, Lost } kind;
};

// Runs the wait as a backend does, on a fake clock that jumps to the next event or to the
// end of remaining(), whichever comes first. Gives "fetched at N" or "not fetched at N".
std::string runWait(const std::vector<Event>& events) {
    PastePolicy::Clock::time_point now{};
    PastePolicy policy([&] { return now; });
    const auto start = now;
    policy.keysSent();
    size_t next = 0;
    while (!policy.done()) {
        const auto wakeUp = now + policy.remaining();
        if (next < events.size() && start + milliseconds(events[next].atMs) <= wakeUp) {
            now = start + milliseconds(events[next].atMs);
            if (events[next++].kind == Event::Request)
                policy.textRequested();
            else
                policy.clipboardLost();
        } else {
            now = wakeUp;
        }
        policy.checkTime();
    }
    const auto endedAt = std::chrono::duration_cast<milliseconds>(now - start).count();
    return (policy.fetched() ? "fetched at " : "not fetched at ") + std::to_string(endedAt);
}

TEST(PastePolicy, OneRequestThenQuiet) {
    const auto quiet = PastePolicy::kQuiet.count();
    EXPECT_EQ(runWait({{5, Event::Request}}), "fetched at " + std::to_string(5 + quiet));
}

TEST(PastePolicy, EveryRequestBeforeTheQuietSpellEndsExtendsIt) {
    const int quiet = static_cast<int>(PastePolicy::kQuiet.count());
    // Each request comes just before the quiet spell after the one before it would end.
    EXPECT_EQ(runWait({{10, Event::Request}, {10 + quiet - 1, Event::Request},
                       {10 + 2 * (quiet - 1), Event::Request}}),
              "fetched at " + std::to_string(10 + 2 * (quiet - 1) + quiet));
    // A request after the quiet spell ended comes too late to count.
    EXPECT_EQ(runWait({{10, Event::Request}, {10 + quiet + 1, Event::Request}}),
              "fetched at " + std::to_string(10 + quiet));
}

TEST(PastePolicy, AnEditorThatNeverAsksEndsTheWaitAfterTheFirstRequestLimit) {
    EXPECT_EQ(runWait({}), "not fetched at " + std::to_string(PastePolicy::kFirstRequest.count()));
    // A request after that limit is not waited for.
    EXPECT_EQ(runWait({{static_cast<int>(PastePolicy::kFirstRequest.count()) + 1, Event::Request}}),
              "not fetched at " + std::to_string(PastePolicy::kFirstRequest.count()));
}

TEST(PastePolicy, ALateFirstRequestStillCounts) {
    const int late = static_cast<int>(PastePolicy::kFirstRequest.count()) - 1;
    EXPECT_EQ(runWait({{late, Event::Request}}),
              "fetched at " + std::to_string(late + PastePolicy::kQuiet.count()));
}

TEST(PastePolicy, AnEditorThatKeepsAskingIsCapped) {
    std::vector<Event> endless;
    for (int at = 5; at < 10 * PastePolicy::kCap.count(); at += 10) endless.push_back({at, Event::Request});
    EXPECT_EQ(runWait(endless), "fetched at " + std::to_string(PastePolicy::kCap.count()));
}

TEST(PastePolicy, TheClipboardTakenBeforeTheRequestFailsThePasteAtOnce) {
    EXPECT_EQ(runWait({{3, Event::Lost}, {8, Event::Request}}), "not fetched at 3");
}

TEST(PastePolicy, TheClipboardTakenAfterTheRequestEndsTheWaitWithTheTextFetched) {
    EXPECT_EQ(runWait({{8, Event::Request}, {20, Event::Lost}}), "fetched at 20");
}

TEST(PastePolicy, TheRemainingTimeCountsDownAndTheFirstRequestIsTimed) {
    PastePolicy::Clock::time_point now{};
    PastePolicy policy([&] { return now; });
    EXPECT_EQ(policy.remaining(), milliseconds(0)) << "no wait before the keys";
    policy.keysSent();
    now += milliseconds(400);
    EXPECT_EQ(policy.remaining(), PastePolicy::kFirstRequest - milliseconds(400));
    now += std::chrono::microseconds(500);
    EXPECT_EQ(policy.remaining(), PastePolicy::kFirstRequest - milliseconds(400))
        << "rounded up: a wait of remaining() does not wake too early";
    policy.textRequested();
    EXPECT_EQ(policy.firstRequestDelay(), std::chrono::microseconds(400'500));
    EXPECT_EQ(policy.remaining(), PastePolicy::kQuiet);
    // A second paste with the same policy starts afresh.
    policy.clipboardLost();
    policy.keysSent();
    EXPECT_FALSE(policy.done());
    EXPECT_LT(policy.firstRequestDelay().count(), 0);
}

} // namespace
