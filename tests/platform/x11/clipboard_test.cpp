// The clipboard read without waiting: owners that never answer, answer late, or hand
// over a large text in pieces.

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/x11/x11_clipboard.h"
#include "platform/x11/clipboard_owner.h"
#include "platform/x11/x11_test_support.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace sahifex::testing::x11 {
namespace {

using platform::x11::X11Clipboard;

using TestOwner = ClipboardOwner;

// Another program copies the text: xclip owns the clipboard until someone else takes it.
void copyWithXclip(const std::string& text) {
    const std::string command = "printf '%s' '" + text + "' | xclip -selection clipboard -i";
    ASSERT_EQ(run(command + " >/dev/null 2>&1").status, 0); // xclip stays, with no output
}

struct Clipboard : ::testing::Test {
    void SetUp() override {
        std::string error;
        clipboard = X11Clipboard::create(error);
        ASSERT_TRUE(clipboard) << error;
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    bool arrives(const std::u16string& text) {
        return waitUntil([&] { return clipboard->text() == text; }, 3000);
    }

    std::unique_ptr<X11Clipboard> clipboard;
};

TEST_F(Clipboard, AnOwnerThatDoesNotAnswerLeavesTheLastTextAndNothingWaits) {
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("before"));
    ASSERT_TRUE(arrives(u"before"));

    TestOwner silent("stale");
    int timerTicks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++timerTicks; });
    timer.start(10);
    QElapsedTimer elapsed;
    elapsed.start();
    std::u16string seen;
    for (int i = 0; i < 20; ++i) {
        seen = clipboard->text();
        processEventsFor(10);
    }
    EXPECT_EQ(seen, u"before") << "as if the clipboard had not changed";
    EXPECT_LT(elapsed.elapsed(), 1000) << "the reads waited for the silent owner";
    EXPECT_GT(timerTicks, 5) << "the event loop ran meanwhile";

    // A newer owner is asked in turn; the first one's late answer is out of date and
    // dropped, the newer one's is taken.
    TestOwner newer("after");
    processEventsFor(100);
    EXPECT_EQ(silent.serve(), 1) << "asked once, however many reads came";
    processEventsFor(200);
    EXPECT_EQ(clipboard->text(), u"before");
    newer.serve();
    EXPECT_TRUE(arrives(u"after"));
}

TEST_F(Clipboard, ALargeTextArrivesInPiecesAndAnIdleClipboardIsNotReadAgain) {
    // As long as the longest text read, in pieces of a few hundred bytes.
    const std::string large(platform::kLongestClipboardText, 'x');
    TestOwner owner(large, {.pieceSize = 300});
    const std::u16string expected = QString::fromStdString(large).toStdU16String();
    ASSERT_TRUE(waitUntil([&] { owner.serve(); return clipboard->text() == expected; }, 5000));
    const int reads = clipboard->readsStarted();
    for (int i = 0; i < 10; ++i) {
        clipboard->text();
        processEventsFor(20);
    }
    EXPECT_EQ(owner.serve(), 1);
    EXPECT_EQ(clipboard->readsStarted(), reads);

    // The same text copied again is a new owner's: it is read again.
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("word"));
    ASSERT_TRUE(arrives(u"word"));
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("word"));
    EXPECT_TRUE(waitUntil([&] { return clipboard->readsStarted() == reads + 2; }, 3000));
    EXPECT_EQ(clipboard->text(), u"word");
}

TEST_F(Clipboard, AnOwnerThatLeavesTheFirstRequestUnansweredIsAskedAgain) {
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("before"));
    ASSERT_TRUE(arrives(u"before"));
    const uint64_t changes = clipboard->changeCount();
    TestOwner late("قال", {.leftUnanswered = 1});
    EXPECT_TRUE(waitUntil([&] { late.serve(); return clipboard->text() == u"قال"; }, 3000));
    EXPECT_EQ(late.requests(), 2);
    EXPECT_EQ(clipboard->changeCount(), changes + 1) << "one copy, however often asked";

    // One that never answers is asked a few times, then left until the next copy.
    TestOwner silent("stale", {.leftUnanswered = 1000});
    processEventsFor(4 * X11Clipboard::kAskAgainMs);
    silent.serve();
    EXPECT_EQ(silent.requests(), X11Clipboard::kAsksPerRead);
    EXPECT_EQ(clipboard->text(), u"قال");
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("after"));
    EXPECT_TRUE(arrives(u"after"));
}

TEST_F(Clipboard, ATextLongerThanAnyRequestIsNotReadPastTheBound) {
    const std::string megabyte(1 << 20, 'a');
    const std::vector<std::pair<const char*, OwnerManners>> owners{
        {"in one piece", {}},
        {"in pieces that announce 64 MB", {.pieceSize = 64 * 1024, .announcedSize = 64 << 20}},
        {"in pieces that announce a short text", {.pieceSize = 1024, .announcedSize = 100}},
        {"in pieces without end", {.pieceSize = 1024, .endless = true, .announcedSize = 100}},
    };
    for (const auto& [name, manners] : owners) {
        ASSERT_NO_FATAL_FAILURE(copyWithXclip("word"));
        ASSERT_TRUE(arrives(u"word"));
        TestOwner owner(megabyte, manners);
        EXPECT_TRUE(waitUntil([&] {
            owner.serve();
            return platform::isTooLongClipboardText(clipboard->text());
        }, 3000)) << name;
        for (int i = 0; i < 10; ++i) {
            owner.serve();
            processEventsFor(10);
        }
        EXPECT_LE(owner.piecesSent(), 10) << name << ": asked for no more pieces";
    }
    // Copies go on being read.
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("after"));
    EXPECT_TRUE(arrives(u"after"));
}

TEST_F(Clipboard, OurOwnTextIsKnownWithoutAskingAndClearingEmptiesIt) {
    ASSERT_NO_FATAL_FAILURE(copyWithXclip("copied"));
    ASSERT_TRUE(arrives(u"copied"));
    const int reads = clipboard->readsStarted();
    ASSERT_TRUE(clipboard->setText(u"[نص] الفاتحة:1"));
    EXPECT_EQ(clipboard->text(), u"[نص] الفاتحة:1");
    processEventsFor(100);
    EXPECT_EQ(clipboard->text(), u"[نص] الفاتحة:1");
    EXPECT_EQ(clipboard->readsStarted(), reads);
    clipboard->clear();
    processEventsFor(100);
    EXPECT_EQ(clipboard->text(), u"");
}

} // namespace
} // namespace sahifex::testing::x11
