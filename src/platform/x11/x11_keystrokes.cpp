#include "platform/x11/x11_keystrokes.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <set>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

constexpr int kFocusWaitMs = 500;
constexpr int kFocusRecheckMs = 20;
// However often the editor keeps asking, the wait ends here.
constexpr int kFetchWaitCapMs = 3000;

bool windowManagerRuns(Display* display) {
    auto check = windowProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK");
    return check && windowProperty(display, *check, "_NET_SUPPORTING_WM_CHECK") == check;
}

// The window that takes the keys as the user sees it: the window manager's active
// window, or the input focus when no window manager runs.
Window foregroundWindow(Display* display) {
    if (windowManagerRuns(display))
        return windowProperty(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW")
            .value_or(None);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus;
}

bool isViewable(Display* display, Window window) {
    ErrorTrap trap(display);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && !trap.failed() &&
           attributes.map_state == IsViewable;
}

// Runs a local event loop until done() holds, a watched event comes, or the time is up;
// done() is asked again at every watched event and at a short tick.
class FocusWatcher : public QAbstractNativeEventFilter {
public:
    explicit FocusWatcher(Window window) : window_(window) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !loop_) return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        uint8_t kind = event->response_type & 0x7f;
        if ((kind == XCB_FOCUS_IN &&
             reinterpret_cast<xcb_focus_in_event_t*>(event)->event == window_) ||
            kind == XCB_PROPERTY_NOTIFY)
            QMetaObject::invokeMethod(loop_, [this] { check(); }, Qt::QueuedConnection);
        return false;
    }
    void waitUntil(std::function<bool()> done, int limitMs) {
        done_ = std::move(done);
        if (done_()) return;
        QEventLoop loop;
        loop_ = &loop;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [this] { check(); });
        tick.start(kFocusRecheckMs);
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        QCoreApplication::instance()->installNativeEventFilter(this);
        loop.exec();
        QCoreApplication::instance()->removeNativeEventFilter(this);
        loop_ = nullptr;
    }

private:
    void check() {
        if (loop_ && done_()) loop_->quit();
    }
    Window window_;
    std::function<bool()> done_;
    QEventLoop* loop_ = nullptr;
};

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

std::unique_ptr<X11Keystrokes> X11Keystrokes::create(std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    int event = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &errorBase, &major, &minor)) {
        error = std::string("The X display ") + DisplayString(display) +
                " has no XTest extension: the paste keystroke cannot be sent.";
        return nullptr;
    }
    installDisplayLossHandler();
    return std::make_unique<X11Keystrokes>(display);
}

X11Keystrokes::X11Keystrokes(_XDisplay* display) : display_(display) {}

X11Keystrokes::~X11Keystrokes() = default;

void X11Keystrokes::setOwnWindows(std::function<bool(unsigned long)> isOwnWindow) {
    isOwnWindow_ = std::move(isOwnWindow);
}

void X11Keystrokes::setWaitLimits(int firstRequestMs, int quietMs) {
    firstRequestMs_ = firstRequestMs;
    quietMs_ = quietMs;
}

bool X11Keystrokes::isOwnWindow(unsigned long window) {
    if (isOwnWindow_) return isOwnWindow_(window);
    std::set<Window> ours;
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle()) ours.insert(static_cast<Window>(w->winId()));
    // The window, or one of its ancestors, is one of ours.
    ErrorTrap trap(display_);
    Window current = window;
    while (current != None && !ours.count(current)) {
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, current, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (current == root) return false;
        current = parent;
    }
    return current != None;
}

void X11Keystrokes::rememberForegroundWindow() {
    Window window = foregroundWindow(display_);
    if (window == None || window == PointerRoot || window == DefaultRootWindow(display_) ||
        isOwnWindow(window))
        return;
    remembered_ = window;
}

bool X11Keystrokes::focusIsIn(unsigned long window) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    ErrorTrap trap(display_);
    while (focus != None && focus != PointerRoot) {
        if (focus == window) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, focus, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (focus == root) return false;
        focus = parent;
    }
    return false;
}

void X11Keystrokes::handBackFocus() {
    Window target = remembered_;
    if (target == None || focusIsIn(target)) return;
    if (!isViewable(display_, target)) return; // closed or minimised: the keys go where they go
    Window root = DefaultRootWindow(display_);
    bool managed = windowManagerRuns(display_);
    Window active = foregroundWindow(display_);
    {
        ErrorTrap trap(display_);
        XSelectInput(display_, target, FocusChangeMask);
        if (managed) {
            XEvent message{};
            message.xclient.type = ClientMessage;
            message.xclient.window = target;
            message.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
            message.xclient.format = 32;
            message.xclient.data.l[0] = 2; // from a pager: the user asked for it
            message.xclient.data.l[1] = CurrentTime;
            message.xclient.data.l[2] = static_cast<long>(active);
            XSendEvent(display_, root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                       &message);
        } else {
            XSetInputFocus(display_, target, RevertToParent, CurrentTime);
        }
        if (!trap.sync()) return;
    }
    FocusWatcher watcher(target);
    watcher.waitUntil([&] { return focusIsIn(target); }, kFocusWaitMs);
    ErrorTrap trap(display_);
    XSelectInput(display_, target, NoEventMask);
}

bool X11Keystrokes::sendControlV(QElapsedTimer& sinceKeys) {
    KeyCode control = keycodeOf(display_, XK_Control_L);
    KeyCode v = keycodeOf(display_, XK_v);
    if (!control || !v) {
        std::fprintf(stderr, "sahifex: the keyboard map has no %s key; the paste keystroke "
                             "cannot be sent.\n", control ? "\"v\"" : "Control");
        return false;
    }
    sinceKeys.start();
    bool sent = XTestFakeKeyEvent(display_, control, True, CurrentTime) &&
                XTestFakeKeyEvent(display_, v, True, CurrentTime) &&
                XTestFakeKeyEvent(display_, v, False, CurrentTime);
    // Control is released whatever happened, or it would stay down for the user.
    sent = XTestFakeKeyEvent(display_, control, False, CurrentTime) && sent;
    XSync(display_, False);
    return sent;
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
    handBackFocus();
    return waitForFetch();
}

} // namespace sahifex::platform::x11
