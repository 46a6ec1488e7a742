#pragma once
// The clipboard on X11, read without ever waiting for its owner.
//
// Reading the X clipboard is a request to the program that owns it; an owner that is
// stopped, busy or gone silent never answers, and Qt's own read waits seconds for it on
// the user-interface thread. Here a read is started when the server reports that the
// CLIPBOARD's owner changed (XFixes), is answered into a property of a window of our own
// (large texts arrive in pieces, INCR), and text() only returns the text last received.
// Until an owner answers, text() keeps returning the text from before it took the
// clipboard: to the watcher, the clipboard has not changed yet. The next owner change
// starts a new read; an answer to an older one is dropped. Reading only on owner changes
// also makes an idle clipboard free, however large its text.
//
// Some owners (LibreOffice) at times leave the first request for a new text unanswered:
// while the newest owner has not answered, it is asked again, a few times at most. A text
// longer than any request can be is not read past that bound: a transfer in pieces is
// abandoned (our window is replaced, so the owner's further pieces go nowhere), and
// text() returns tooLongClipboardText() for it.
//
// Writing and clearing stay Qt's: Qt then owns the clipboard and answers the editor's
// requests for the text (see X11Keystrokes).

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/qt/qt_clipboard.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

class X11Clipboard : public Clipboard, private QAbstractNativeEventFilter {
public:
    // Works on Qt's own X connection; nullptr, with the reason in error, when the program
    // does not run on an X11 display.
    static std::unique_ptr<X11Clipboard> create(std::string& error);
    explicit X11Clipboard(_XDisplay* display);
    ~X11Clipboard() override;
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    void clear() override;
    bool setText(const std::u16string& text) override;
    // The text last received from the clipboard's owner; never waits.
    std::u16string text() override;
    std::uint64_t changeCount() override { return changes_; }

    // The window of the program whose clipboard the last setText (or a clear before it)
    // took over; None when the clipboard was the program's own. Some programs
    // (LibreOffice) learn that they lost the clipboard only once they ask its new owner
    // for its formats (TARGETS): a paste in them before they have the answer pastes
    // their own old copy.
    unsigned long takenFrom() const { return takenFrom_; }
    // Whether that program has asked for the formats since.
    bool takenFromHasAsked() const { return takenFromAsked_; }
    // Called when it asks, before the request is answered (Qt answers it right after).
    std::function<void()> onTakenFromAsked;

    // How many reads were started so far: one per change of owner.
    int readsStarted() const { return readsStarted_; }
    // How many requests were sent to owners so far: a read asks again while its owner
    // has not answered.
    int requestsSent() const { return requestsSent_; }
    // An owner that has not answered is asked again this long after the last request,
    // at most kAsksPerRead times in all.
    static constexpr int kAskAgainMs = 700;
    static constexpr int kAsksPerRead = 3;

private:
    struct Read;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
    void createWindow();
    void ownerChanged(unsigned long owner, unsigned long time);
    void startRead(unsigned long time);
    void sendRequest();
    void askAgain();
    void answered(unsigned long time, unsigned long property);
    void pieceArrived(unsigned long property);
    void finishRead(const std::string& utf8);
    void abandonTooLong();
    void settle(std::u16string received); // the read is over: the text is known
    void noteTakeover(); // before the clipboard is taken

    _XDisplay* display_;
    unsigned long window_ = 0; // ours: the owner answers into its properties
    unsigned long clipboard_, utf8_, incr_, targets_;
    int fixesEventBase_ = -1; // -1: the server has no XFixes, reads are polled
    qt::QtClipboard writer_;
    unsigned long ownOwner_ = 0; // the window that owns the clipboard for Qt, after setText
    std::u16string ownText_;
    std::u16string known_;
    std::unique_ptr<Read> read_; // at most one read waits for its owner
    QTimer askAgain_;
    int readsStarted_ = 0;
    int requestsSent_ = 0;
    std::uint64_t changes_ = 0;
    unsigned long takenFrom_ = 0; // None
    bool takenFromAsked_ = false;
    QObject notifier_; // the change handler's calls waiting in the event loop die with it
};

} // namespace sahifex::platform::x11
