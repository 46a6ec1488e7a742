#include "platform/x11/x11_keystrokes.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <set>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

// However often the editor keeps asking, the wait ends here.
constexpr int kFetchWaitCapMs = 3000;

// Watches the requests for the clipboard's text; Qt answers them, untouched.
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
        if ((event->response_type & 0x7f) != XCB_SELECTION_REQUEST) return false;
        auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
        if (request->selection == clipboard_ && textTargets_.count(request->target) &&
            onTextRequest)
            onTextRequest();
        return false;
    }
    std::function<void()> onTextRequest;

private:
    Atom clipboard_;
    std::set<Atom> textTargets_;
};

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

void X11Keystrokes::setWaitLimits(int firstRequestMs, int quietMs) {
    firstRequestMs_ = firstRequestMs;
    quietMs_ = quietMs;
}

bool pressControlV(Display* display) {
    KeyCode control = keycodeOf(display, XK_Control_L);
    KeyCode v = keycodeOf(display, XK_v);
    if (!control || !v) {
        std::fprintf(stderr, "sahifex: the keyboard map has no %s key; the paste keystroke "
                             "cannot be sent.\n", control ? "\"v\"" : "Control");
        return false;
    }
    bool sent = XTestFakeKeyEvent(display, control, True, CurrentTime) &&
                XTestFakeKeyEvent(display, v, True, CurrentTime) &&
                XTestFakeKeyEvent(display, v, False, CurrentTime);
    // Control is released whatever happened, or it would stay down for the user.
    sent = XTestFakeKeyEvent(display, control, False, CurrentTime) && sent;
    XSync(display, False);
    return sent;
}

bool X11Keystrokes::sendControlV(QElapsedTimer& sinceKeys) {
    sinceKeys.start();
    return pressControlV(display_);
}

bool X11Keystrokes::waitForFetch() {
    QEventLoop loop;
    QTimer firstRequest, quiet;
    firstRequest.setSingleShot(true);
    quiet.setSingleShot(true);
    QObject::connect(&firstRequest, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer::singleShot(kFetchWaitCapMs, &loop, &QEventLoop::quit);

    QElapsedTimer sinceKeys;
    bool fetched = false;
    FetchWatcher watcher(display_);
    watcher.onTextRequest = [&] {
        if (!fetched) lastFetchDelayMs_ = sinceKeys.nsecsElapsed() / 1e6;
        fetched = true;
        firstRequest.stop();
        quiet.start(quietMs_);
    };
    QCoreApplication::instance()->installNativeEventFilter(&watcher);
    bool sent = sendControlV(sinceKeys);
    if (sent) {
        firstRequest.start(firstRequestMs_);
        loop.exec();
    }
    QCoreApplication::instance()->removeNativeEventFilter(&watcher);
    return sent && fetched;
}

bool X11Keystrokes::sendKeysAndWait(const std::string& keys) {
    lastFetchDelayMs_ = -1;
    if (keys != "^v" || !QCoreApplication::instance()) return false;
    foreground_.handBack();
    return waitForFetch();
}

} // namespace sahifex::platform::x11
