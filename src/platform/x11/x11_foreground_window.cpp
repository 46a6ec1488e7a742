#include "platform/x11/x11_foreground_window.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <set>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

constexpr int kFocusWaitMs = 500;
constexpr int kFocusRecheckMs = 20;

bool windowManagerRuns(Display* display) {
    auto check = windowProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK");
    return check && windowProperty(display, *check, "_NET_SUPPORTING_WM_CHECK") == check;
}

// The window that takes the keys as the user sees it: the window manager's active
// window, or the input focus when no window manager runs.
Window activeWindow(Display* display) {
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

} // namespace

std::unique_ptr<X11ForegroundWindow> X11ForegroundWindow::create(std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    return std::make_unique<X11ForegroundWindow>(display);
}

X11ForegroundWindow::X11ForegroundWindow(_XDisplay* display) : display_(display) {}

void X11ForegroundWindow::setOwnWindows(std::function<bool(unsigned long)> isOwnWindow) {
    isOwnWindow_ = std::move(isOwnWindow);
}

bool X11ForegroundWindow::isOwnWindow(unsigned long window) {
    if (isOwnWindow_) return isOwnWindow_(window);
    std::set<Window> ours;
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle()) ours.insert(static_cast<Window>(w->winId()));
    return selfOrAncestor(display_, window, [&](Window w) { return ours.count(w) > 0; });
}

bool X11ForegroundWindow::focusIsIn(unsigned long window) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return selfOrAncestor(display_, focus, [&](Window w) { return w == window; });
}

void X11ForegroundWindow::remember() {
    Window window = activeWindow(display_);
    if (window == None || window == PointerRoot || window == DefaultRootWindow(display_) ||
        isOwnWindow(window))
        return;
    remembered_ = window;
}

void X11ForegroundWindow::handBack() {
    Window target = remembered_;
    if (target == None || focusIsIn(target)) return;
    if (!isViewable(display_, target)) return; // closed or minimised: the keys go where they go
    Window root = DefaultRootWindow(display_);
    bool managed = windowManagerRuns(display_);
    Window active = activeWindow(display_);
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

} // namespace sahifex::platform::x11
