#pragma once
// One fake of every platform service, for tests. Every action is recorded as one
// readable line of its log, so that a test checks a whole sequence in one comparison:
//   clear | set:[...] البقرة:255 | layout:00000409 | ^v | layout:00000401 | clear

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/subscription.h"
#include "platform/services.h"

namespace sahifex::platform::fake {

class FakeSystem : public Clipboard,
                   public Keystrokes,
                   public KeyboardLayouts,
                   public Topmost,
                   public MessageBox,
                   public forms::TextMetrics,
                   public EventLoop,
                   public Screen,
                   public Autostart,
                   public ForegroundWindow,
                   public SingleInstance {
public:
    FakeSystem();

    Services services(std::filesystem::path programDir = {});
    // Every service recorded here but the text measures, which a view's own metrics give.
    Services servicesMeasuredBy(forms::TextMetrics& metrics, std::filesystem::path programDir);
    // Every service recorded here but the one given, which a test supplies itself.
    Services servicesWith(Keystrokes& keystrokes, std::filesystem::path programDir = {});
    Services servicesWith(KeyboardLayouts& layouts, std::filesystem::path programDir = {});
    // The other services with this fake's keys, layouts and autostart: the paste is
    // recorded, not sent, and the desktop's layout and session stay as they are.
    Services keyboardOn(const Services& others);

    // ---- the log
    std::vector<std::string> log;
    std::string logLine() const; // the log joined with " | "
    void clearLog() { log.clear(); }

    // ---- clipboard
    void clear() override;
    bool setText(const std::u16string& text) override;
    // Longer texts are not read whole, as on the real platforms.
    std::u16string text() override;
    std::uint64_t changeCount() override;
    std::u16string clipboardText;
    bool clipboardWritable = true;
    // A copy made by another program: changes the text without a log line; a change
    // also when the text is the same. The change is told at the loop's next turn (a
    // yield or the clock moving on), as a window system tells it.
    void userCopies(std::u16string text);
    // The text of the last copy arrives only now, as from an owner that answers late:
    // the clipboard's text changes, but no new copy is counted.
    void lateAnswer(std::u16string text);
    int clipboardReads = 0;

    // ---- keystrokes: the "editor" takes the clipboard's text on "^v"
    bool sendKeysAndWait(const std::string& keys) override;
    bool editorFetches = true;
    // Runs as the keys go out, before the editor fetches (another program copying then).
    std::function<void()> atKeys;
    std::vector<std::u16string> pasted; // what the editor received, one entry a paste

    // ---- keyboard layouts
    std::string activeLayoutName() override;
    void loadAndActivate(const std::string& id) override;
    std::set<std::string> installedLayouts{"00000409", "00000401"};
    std::string activeLayout = "00000409";

    // ---- topmost
    void makeTopmost(forms::Form& window) override;

    // ---- message boxes: answers are taken from the front of the queue, OK when empty
    void showOk(const std::u16string& text, const std::u16string& title) override;
    bool askOkCancel(const std::u16string& text, const std::u16string& title) override;
    std::deque<bool> okCancelAnswers;

    // ---- text metrics: a fixed rule, 120 twips a character at 10 points (scaled by
    // the point size), 300 twips a line at 10 points
    int wrappedTextHeight(const std::u16string& text, int widthTwips,
                          int fontPoints) const override;
    int lineWidth(const std::u16string& text, int fontPoints) const override;

    // ---- event loop: a scripted loop on a fake clock
    void yield() override;
    void attach(forms::Timer& timer) override;
    void exitNow() override;
    int run() override; // logs "run": tests drive the loop by advance and yields
    // Runs fn at the yield with this number (counted from 1 over the whole run).
    void atYield(int number, std::function<void()> fn);
    // Runs fn at every yield.
    std::function<void()> onEveryYield;
    // Moves the clock on by ms, running every tick that falls due on the way.
    void advance(int ms);
    int yields = 0;
    long long nowMs = 0;
    bool exited = false;

    // ---- screen
    int widthTwips() const override { return screenWidth; }
    int heightTwips() const override { return screenHeight; }
    ScreenArea availableArea(int, int) const override {
        return available.width > 0 ? available : ScreenArea{0, 0, screenWidth, screenHeight};
    }
    int screenWidth = 1920 * 15;
    int screenHeight = 1080 * 15;
    ScreenArea available; // the whole screen while it is empty

    // ---- autostart: logs "autostart:on" or "autostart:off"
    bool setEnabled(bool enabled) override;
    bool autostartWritable = true;

    // ---- foreground window: logs "remember" and "hand back"
    void remember() override;
    void handBack() override;

    // ---- single instance
    bool claim() override { return !anotherCopyRuns; }
    bool anotherCopyRuns = false;
    // A later start of the program asks this copy to come forward.
    void secondStart() {
        if (onSecondStart) onSecondStart();
    }

private:
    // Changes counted so far, and the text last counted: a test may also assign
    // clipboardText directly, which counts as a change once it is seen.
    std::uint64_t clipboardChanges_ = 0;
    std::u16string countedText_;

    struct TimerSlot {
        forms::Timer* timer;
        long long dueMs;
    };
    std::vector<forms::Subscription> timerSubscriptions_;
    std::vector<TimerSlot> timers_;
    std::multimap<int, std::function<void()>> yieldActions_;
    bool clipboardChangePending_ = false;
    void tellClipboardChange();
};

} // namespace sahifex::platform::fake
