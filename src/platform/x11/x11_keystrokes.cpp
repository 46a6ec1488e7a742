#include "platform/x11/x11_keystrokes.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <set>

#include "platform/paste_policy.h"
#include "platform/qt/paste_wait.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

// Watches the requests for the clipboard's text and the loss of the clipboard to another
// program; Qt answers the requests and handles the loss itself, untouched.
class FetchWatcher : public QAbstractNativeEventFilter {
public:
    explicit FetchWatcher(Display* display)
        : clipboard_(XInternAtom(display, "CLIPBOARD", False)) {
        for (const char* name : {"UTF8_STRING", "STRING", "TEXT", "COMPOUND_TEXT", "text/plain",
                                 "text/plain;charset=utf-8", "text/plain;charset=UTF-8"})
            textTargets_.insert(XInternAtom(display, name, False));
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const int kind = event->response_type & 0x7f;
        if (kind == XCB_SELECTION_REQUEST) {
            auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
            if (request->selection == clipboard_ && textTargets_.count(request->target) &&
                onTextRequest)
                onTextRequest();
        } else if (kind == XCB_SELECTION_CLEAR) {
            // Sent to the owner, this process, when another program takes the clipboard.
            auto* clear = reinterpret_cast<xcb_selection_clear_event_t*>(event);
            if (clear->selection == clipboard_ && onClipboardLost) onClipboardLost();
        }
        return false;
    }
    std::function<void()> onTextRequest;
    std::function<void()> onClipboardLost;

private:
    Atom clipboard_;
    std::set<Atom> textTargets_;
};

// Whether the clipboard's owner is a window of this process's X connection, so that the
// editor that asks for the text gets ours. Qt owns the clipboard through a window of its
// own; any window of the connection carries the connection's resource base.
bool clipboardIsOurs(Display* display) {
    return isOwnWindow(XGetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False)));
}

// The key that gives keysym at the first level, in the active group when it has it.
KeyCode keycodeOf(Display* display, KeySym keysym) {
    XkbDescPtr keymap = XkbGetMap(display, XkbKeySymsMask | XkbKeyTypesMask, XkbUseCoreKbd);
    if (!keymap) return XKeysymToKeycode(display, keysym);
    XkbStateRec state{};
    int activeGroup = XkbGetState(display, XkbUseCoreKbd, &state) == Success ? state.group : 0;
    KeyCode inActiveGroup = 0, inAnyGroup = 0;
    for (int key = keymap->min_key_code; key <= keymap->max_key_code; ++key) {
        for (int group = 0; group < XkbKeyNumGroups(keymap, key); ++group) {
            if (XkbKeySymEntry(keymap, key, 0, group) != keysym) continue;
            if (group == activeGroup && !inActiveGroup) inActiveGroup = key;
            if (!inAnyGroup) inAnyGroup = key;
        }
    }
    XkbFreeKeyboard(keymap, 0, True);
    return inActiveGroup ? inActiveGroup : inAnyGroup;
}

// Lends a key to a keysym that no key of the keyboard map gives at its first level (with
// only an Arabic layout configured, no key gives "v"): a keycode without any symbol gives
// it, until the loan ends and the map is as it was. Held over the whole paste, so that the
// editor reads the keys while the key still gives the keysym.
class KeyLoan {
public:
    KeyLoan(Display* display, KeySym keysym) : display_(display) {
        if (keycodeOf(display, keysym)) return; // a key of the map gives it
        int min = 0, max = 0, perKey = 0;
        XDisplayKeycodes(display, &min, &max);
        KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(min), max - min + 1, &perKey);
        if (!map) return;
        for (int key = max; key >= min && !code_; --key) {
            bool empty = true;
            for (int i = 0; i < perKey; ++i)
                if (map[(key - min) * perKey + i] != NoSymbol) empty = false;
            if (empty) code_ = static_cast<KeyCode>(key);
        }
        XFree(map);
        if (!code_) return;
        KeySym lower = NoSymbol, upper = NoSymbol;
        XConvertCase(keysym, &lower, &upper);
        KeySym symbols[2] = {lower, upper};
        XChangeKeyboardMapping(display, code_, 2, symbols, 1);
        XSync(display, False);
    }
    ~KeyLoan() {
        if (!code_) return;
        KeySym none[2] = {NoSymbol, NoSymbol};
        XChangeKeyboardMapping(display_, code_, 2, none, 1);
        XSync(display_, False);
    }
    KeyLoan(const KeyLoan&) = delete;
    KeyLoan& operator=(const KeyLoan&) = delete;

private:
    Display* display_;
    KeyCode code_ = 0;
};

} // namespace

std::unique_ptr<X11Keystrokes> X11Keystrokes::create(ForegroundWindow& foreground,
                                                    std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    int event = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &errorBase, &major, &minor)) {
        error = std::string("The X display ") + DisplayString(display) +
                " has no XTest extension: the paste keystroke cannot be sent.";
        return nullptr;
    }
    installDisplayLossHandler();
    return std::make_unique<X11Keystrokes>(display, foreground);
}

X11Keystrokes::X11Keystrokes(_XDisplay* display, ForegroundWindow& foreground)
    : display_(display), foreground_(foreground) {}

X11Keystrokes::~X11Keystrokes() = default;

namespace {

struct ControlV {
    KeyCode control = 0;
    KeyCode v = 0;
};

// The keys that give Control and "v" in the current keyboard map (read each time: another
// program may have changed it); zero keys, said on stderr, when the map has none.
ControlV controlVKeys(Display* display) {
    const ControlV keys{keycodeOf(display, XK_Control_L), keycodeOf(display, XK_v)};
    if (!keys.control || !keys.v)
        std::fprintf(stderr, "sahifex: the keyboard map has no %s key; the paste keystroke "
                             "cannot be sent.\n", keys.control ? "\"v\"" : "Control");
    return keys;
}

bool press(Display* display, ControlV keys) {
    if (!keys.control || !keys.v) return false;
    bool sent = XTestFakeKeyEvent(display, keys.control, True, CurrentTime) &&
                XTestFakeKeyEvent(display, keys.v, True, CurrentTime) &&
                XTestFakeKeyEvent(display, keys.v, False, CurrentTime);
    // Control is released whatever happened, or it would stay down for the user.
    sent = XTestFakeKeyEvent(display, keys.control, False, CurrentTime) && sent;
    XSync(display, False);
    return sent;
}

} // namespace

bool pressControlV(Display* display) { return press(display, controlVKeys(display)); }

unsigned long X11Keystrokes::formerOwnerWithTheFocus() const {
    if (!clipboard_ || clipboard_->takenFrom() == None) return 0;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == None || focus == PointerRoot) return 0;
    const unsigned long former = clientOf(clipboard_->takenFrom());
    return clientOf(focus) == former ? former : 0;
}

void X11Keystrokes::letFormerOwnerLearnOfItsLoss(unsigned long former) {
    // It asks as soon as it hears of the new owner: within milliseconds, later under load.
    constexpr int kFirstWaitMs = 100;
    constexpr int kAskerWaitMs = 1000;
    if (silentWhenLosing_.count(former)) return;
    // Only a question before the keys tells: after them every editor asks, to paste.
    if (clipboard_->takenFromHasAsked()) {
        askWhenLosing_.insert(former);
        return;
    }
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Quits once Qt has answered the question: the answer goes out before the keys.
    clipboard_->onTakenFromAsked = [&loop] { QTimer::singleShot(0, &loop, &QEventLoop::quit); };
    bound.start(askWhenLosing_.count(former) ? kAskerWaitMs : kFirstWaitMs);
    loop.exec();
    clipboard_->onTakenFromAsked = nullptr;
    (clipboard_->takenFromHasAsked() ? askWhenLosing_ : silentWhenLosing_).insert(former);
}

bool X11Keystrokes::waitForFetch() {
    qt::PasteWait wait;
    FetchWatcher watcher(display_);
    watcher.onTextRequest = [&] { wait.textRequested(); };
    watcher.onClipboardLost = [&] {
        // Also sent when this process itself gave up an earlier ownership (a clear before
        // the set): only an owner that is no longer ours counts.
        if (!clipboardIsOurs(display_)) wait.clipboardLost();
    };
    QCoreApplication::instance()->installNativeEventFilter(&watcher);
    const KeyLoan v(display_, XK_v);
    const ControlV keys = controlVKeys(display_);
    // Checked right before the keys (the key map is read before it): another program that
    // took the clipboard since it was set would have its text pasted in place of ours.
    const bool fetched =
        wait.run([&] { return clipboardIsOurs(display_) && press(display_, keys); });
    lastFetchDelayMs_ = wait.firstRequestDelayMs();
    QCoreApplication::instance()->removeNativeEventFilter(&watcher);
    return fetched;
}

bool X11Keystrokes::sendKeysAndWait(const std::string& keys) {
    lastFetchDelayMs_ = -1;
    if (keys != "^v" || !QCoreApplication::instance()) return false;
    foreground_.handBack();
    if (const unsigned long former = formerOwnerWithTheFocus())
        letFormerOwnerLearnOfItsLoss(former);
    return waitForFetch();
}

} // namespace sahifex::platform::x11
