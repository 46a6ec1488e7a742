// The paste channel into a real editor: the text on the clipboard, "^v" with the
// wait, the clipboard cleared at once, and mousepad holding exactly that text.

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_foreground_window.h"
#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_test_support.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace sahifex::testing::x11 {
namespace {

using platform::x11::X11KeyboardLayouts;
using platform::x11::X11ForegroundWindow;
using platform::x11::X11Keystrokes;
using platform::x11::X11Clipboard;

const QString kVerse = QString::fromUtf8(
    "[بِسْمِ اللَّهِ الرَّحْمَنِ الرَّحِيمِ] الفاتحة:1");

struct Paste : ::testing::Test {
    void SetUp() override {
        std::string error;
        layouts = X11KeyboardLayouts::create(error);
        ASSERT_TRUE(layouts) << error;
        foreground = X11ForegroundWindow::create(error);
        ASSERT_TRUE(foreground) << error;
        keystrokes = X11Keystrokes::create(*foreground, error);
        ASSERT_TRUE(keystrokes) << error;
        layouts->loadAndActivate("00000409");
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override {
        layouts->loadAndActivate("00000409");
        QGuiApplication::clipboard()->clear();
    }

    // The order of the send paths: clear, set, English, "^v" and wait, Arabic, clear.
    bool sendAsTheProgramDoes(const QString& text) {
        auto* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
        layouts->loadAndActivate("00000409");
        bool fetched = keystrokes->sendKeysAndWait("^v");
        layouts->loadAndActivate("00000401");
        clipboard->clear();
        return fetched;
    }

    // Saves with the English group active, as a user's Ctrl+S would be.
    std::string save(Mousepad& editor) {
        layouts->loadAndActivate("00000409");
        return editor.save();
    }

    std::unique_ptr<X11KeyboardLayouts> layouts;
    std::unique_ptr<X11ForegroundWindow> foreground;
    std::unique_ptr<X11Keystrokes> keystrokes;
};

TEST_F(Paste, TheEditorReceivesTheTextByteForByte) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    QGuiApplication::clipboard()->setText(kVerse);
    EXPECT_TRUE(keystrokes->sendKeysAndWait("^v"));
    QGuiApplication::clipboard()->clear(); // at once: the editor has the text already
    EXPECT_FALSE(controlIsDown());
    EXPECT_GE(keystrokes->lastFetchDelayMs(), 0);
    EXPECT_EQ(save(editor), kVerse.toStdString());
}

TEST_F(Paste, TheArabicGroupActiveBeforeTheSwitch) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    layouts->loadAndActivate("00000401");
    ASSERT_EQ(layouts->activeLayoutName(), "00000401");
    EXPECT_TRUE(sendAsTheProgramDoes(kVerse));
    EXPECT_EQ(layouts->activeLayoutName(), "00000401");
    EXPECT_EQ(save(editor), kVerse.toStdString());
}

TEST_F(Paste, TwoPastesInARowLandInOrder) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    const QString second = QString::fromUtf8("[الْحَمْدُ لِلَّهِ رَبِّ الْعَالَمِينَ] الفاتحة:2");
    EXPECT_TRUE(sendAsTheProgramDoes(kVerse));
    EXPECT_TRUE(sendAsTheProgramDoes(second));
    EXPECT_EQ(save(editor), (kVerse + second).toStdString());
}

// About the size of the longest verse the program sends (1,130 characters).
TEST_F(Paste, ALongVerseArrivesWhole) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    QString verse;
    while (verse.size() < 1130) verse += kVerse + " ";
    EXPECT_TRUE(sendAsTheProgramDoes(verse));
    EXPECT_EQ(save(editor), verse.toStdString());
}

TEST_F(Paste, NotFetchedWhenTheFocusedWindowNeverAsks) {
    focusRootWindow();
    QGuiApplication::clipboard()->setText(kVerse);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(keystrokes->sendKeysAndWait("^v"));
    EXPECT_LT(elapsed.elapsed(), 3000) << "the wait is bounded";
    EXPECT_LT(keystrokes->lastFetchDelayMs(), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kVerse) << "the clipboard is left as it was";
}

// Another program copies between the program's set and the keys: the editor would paste
// its text. No keys are sent, and the paste has failed.
TEST_F(Paste, AClipboardTakenBeforeTheKeysIsNotPasted) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    auto* clipboard = QGuiApplication::clipboard();
    clipboard->setText(kVerse);
    ASSERT_EQ(run("printf raw | xclip -selection clipboard -i >/dev/null 2>&1").status, 0);
    ASSERT_TRUE(waitUntil([&] { return !clipboard->ownsClipboard(); }, 5000));
    EXPECT_FALSE(keystrokes->sendKeysAndWait("^v"));
    EXPECT_EQ(save(editor), "");
    EXPECT_FALSE(controlIsDown());
}

TEST_F(Paste, OnlyTheControlVKeystrokeIsSent) {
    EXPECT_FALSE(keystrokes->sendKeysAndWait("^c"));
    EXPECT_FALSE(keystrokes->sendKeysAndWait(""));
}

// Shows a window of ours and waits until it has taken the focus from the editor.
void showActive(QWidget& ours, const Mousepad& editor) {
    ours.resize(300, 200);
    ours.show();
    ours.activateWindow();
    // Qt may count the window active a moment before the server moves the focus.
    ASSERT_TRUE(waitUntil([&] { return ours.isActiveWindow() && !focusIsIn(editor.window()); },
                          5000));
}

// The focus hand-back: our window was shown and active, then hidden; the keys go
// to the editor that was active before.
TEST_F(Paste, TheFocusGoesBackToTheEditorAfterOurWindowHides) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    foreground->remember();
    ASSERT_EQ(foreground->rememberedWindow(), editor.window());

    QWidget ours;
    ASSERT_NO_FATAL_FAILURE(showActive(ours, editor));
    foreground->remember(); // our own window is not recorded
    EXPECT_EQ(foreground->rememberedWindow(), editor.window());
    ours.hide();
    processEventsFor(100);
    if (!windowManagerRuns()) {
        EXPECT_FALSE(focusIsIn(editor.window())) << "without a window manager nobody gives it back";
    }

    EXPECT_TRUE(sendAsTheProgramDoes(kVerse));
    EXPECT_TRUE(focusIsIn(editor.window()));
    EXPECT_EQ(save(editor), kVerse.toStdString());
}

TEST_F(Paste, TheFocusGoesBackToTheEditorFromOurVisibleWindow) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    foreground->remember();

    QWidget ours;
    ASSERT_NO_FATAL_FAILURE(showActive(ours, editor));

    EXPECT_TRUE(sendAsTheProgramDoes(kVerse));
    EXPECT_EQ(save(editor), kVerse.toStdString());
}

TEST_F(Paste, AnEditorClosedSinceItWasRememberedIsNoFault) {
    {
        Mousepad editor;
        ASSERT_NO_FATAL_FAILURE(editor.focus());
        foreground->remember();
        ASSERT_EQ(foreground->rememberedWindow(), editor.window());
    }
    QGuiApplication::clipboard()->setText(kVerse);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(keystrokes->sendKeysAndWait("^v"));
    EXPECT_LT(elapsed.elapsed(), 3000) << "the wait is bounded";
}

// An editor that owns the clipboard and learns that it lost it only by asking the new
// owner for its formats, a while after the news (as LibreOffice does); until it has the
// answer, a paste in it would paste its own old copy. It notes what reached it, in order.
class FormatCheckingEditor {
public:
    explicit FormatCheckingEditor(int askAfterMs) : askAfterMs_(askAfterMs) {
        display_ = XOpenDisplay(nullptr);
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 200, 100, 0, 0, 0);
        XSelectInput(display_, window_, KeyPressMask);
        XMapWindow(display_, window_);
        clipboard_ = XInternAtom(display_, "CLIPBOARD", False);
        targets_ = XInternAtom(display_, "TARGETS", False);
        XSetSelectionOwner(display_, clipboard_, window_, CurrentTime);
        XSync(display_, False);
        serving_.callOnTimeout([this] { serve(); });
        serving_.start(1);
    }
    ~FormatCheckingEditor() {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }
    Window window() const { return window_; }
    // "formats" (the answer about them), "keys" (Ctrl+V), "text" (the answer with it).
    const std::vector<std::string>& events() const { return events_; }

private:
    void ask(Atom target) {
        XConvertSelection(display_, clipboard_, target, XInternAtom(display_, "ASKED", False), window_,
                          CurrentTime);
        XFlush(display_);
    }
    void serve() {
        while (XPending(display_)) {
            XEvent e;
            XNextEvent(display_, &e);
            if (e.type == SelectionClear) lost_.start();
            if (e.type == SelectionNotify) events_.push_back(e.xselection.target == targets_ ? "formats" : "text");
            if (e.type == KeyPress && XLookupKeysym(&e.xkey, 0) == XK_v) {
                events_.push_back("keys");
                ask(XInternAtom(display_, "UTF8_STRING", False));
            }
        }
        if (lost_.isValid() && !asked_ && lost_.elapsed() >= askAfterMs_) {
            asked_ = true;
            ask(targets_);
        }
    }

    Display* display_;
    Window window_;
    Atom clipboard_, targets_;
    int askAfterMs_;
    QElapsedTimer lost_;
    bool asked_ = false;
    std::vector<std::string> events_;
    QTimer serving_;
};

TEST_F(Paste, AnEditorThatAsksForTheFormatsOnLosingTheClipboardHasTheAnswerBeforeTheKeys) {
    std::string error;
    auto clipboard = X11Clipboard::create(error);
    ASSERT_TRUE(clipboard) << error;
    keystrokes->heedTakeoversOf(*clipboard);
    FormatCheckingEditor editor(50);
    ASSERT_NO_FATAL_FAILURE(giveFocus(editor.window()));
    {
        // Qt takes the clipboard with the time of the last event it saw: an event of now
        // after the editor's copy, as the program sees the copy's news.
        QWidget stamp;
        XChangeProperty(display(), stamp.winId(), XInternAtom(display(), "WM_NAME", False), XA_STRING, 8,
                        PropModeReplace, nullptr, 0);
        XFlush(display());
        processEventsFor(50);
    }
    ASSERT_TRUE(clipboard->setText(kVerse.toStdU16String()));
    EXPECT_TRUE(keystrokes->sendKeysAndWait("^v"));
    EXPECT_EQ(editor.events(), (std::vector<std::string>{"formats", "keys", "text"}));
}

// Not a speed check: it reports how long editors take to ask for the text, and
// checks that every one of the pastes arrived.
TEST_F(Paste, TwentyPastesAndTheTimeToTheFetch) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    std::vector<double> fetches, calls;
    QString expected;
    for (int i = 1; i <= 20; ++i) {
        QString text = kVerse + QString::number(i) + "\n";
        expected += text;
        QElapsedTimer call;
        call.start();
        EXPECT_TRUE(sendAsTheProgramDoes(text)) << "paste " << i;
        calls.push_back(call.nsecsElapsed() / 1e6);
        fetches.push_back(keystrokes->lastFetchDelayMs());
    }
    EXPECT_EQ(save(editor), expected.toStdString());
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    auto worst = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    std::printf("%s, 20 pastes: keys to the first text request median %.1f ms, worst %.1f ms; "
                "whole send median %.1f ms, worst %.1f ms\n",
                windowManagerRuns() ? "openbox" : "no window manager", median(fetches),
                worst(fetches), median(calls), worst(calls));
}

// With only an Arabic layout configured no key gives "v": a spare keycode gives it for
// the paste, and the keyboard map is as it was afterwards. (Run in a session whose only
// layout is "ara".)
TEST_F(Paste, ArabicOnlyTheVerseLandsByALentKeyAndTheMapIsRestored) {
    ASSERT_EQ(run("setxkbmap -query | awk '/^layout/ {print $2}'").out, "ara\n");
    const std::string mapBefore = run("xmodmap -pke").out;
    ASSERT_NE(run("xmodmap -pke | grep -Ew 'v'").status, 0) << "a key gives v: more layouts";
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    EXPECT_TRUE(sendAsTheProgramDoes(kVerse));
    EXPECT_EQ(run("xmodmap -pke").out, mapBefore);
    EXPECT_FALSE(controlIsDown());
    EXPECT_EQ(save(editor), kVerse.toStdString());
}

} // namespace
} // namespace sahifex::testing::x11
