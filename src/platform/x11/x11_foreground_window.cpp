#include "platform/x11/x11_foreground_window.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XI2.h>
#include <xcb/xcb.h>

#include <cstring>
#include <set>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

constexpr int kFocusWaitMs = 500;
constexpr int kFocusRecheckMs = 20;
constexpr int kFocusSampleMs = 200;
// The class of the program's windows in WM_CLASS: Qt takes it from the application's
// name, which main() sets before any window is made.
constexpr const char* kProgramClass = "Sahifex";

bool windowManagerRuns(Display* display) {
    auto check = windowProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK");
    return check && windowProperty(display, *check, "_NET_SUPPORTING_WM_CHECK") == check;
}

// The window that takes the keys as the user sees it: the window manager's active
// window, or the input focus when no window manager runs; when the focus follows the
// pointer (PointerRoot), the top-level window under the pointer.
Window activeWindow(Display* display) {
    const Window root = DefaultRootWindow(display);
    if (windowManagerRuns(display))
        return windowProperty(display, root, "_NET_ACTIVE_WINDOW").value_or(None);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus != PointerRoot) return focus;
    Window pointerRoot = None, underPointer = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned buttons = 0;
    XQueryPointer(display, root, &pointerRoot, &underPointer, &rootX, &rootY, &x, &y, &buttons);
    return underPointer;
}

bool isProgramClass(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return false;
    const bool ours = hint.res_class && std::strcmp(hint.res_class, kProgramClass) == 0;
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return ours;
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

X11ForegroundWindow::X11ForegroundWindow(_XDisplay* display)
    : display_(display), activeWindowAtom_(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)) {
    // Qt listens to the root window too: its events are added to, not replaced.
    const Window root = DefaultRootWindow(display_);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, root, &attributes);
    XSelectInput(display_, root, attributes.your_event_mask | PropertyChangeMask);
    int firstEvent = 0, firstError = 0;
    if (!XQueryExtension(display_, "XInputExtension", &xinputOpcode_, &firstEvent, &firstError))
        xinputOpcode_ = -1;
    XFlush(display_);
    if (QCoreApplication::instance()) QCoreApplication::instance()->installNativeEventFilter(this);
    remember();
    QObject::connect(&focusSampler_, &QTimer::timeout, [this] { sampleFocus(); });
    focusSampler_.start(kFocusSampleMs);
}

void X11ForegroundWindow::sampleFocus() {
    if (windowManagerRuns(display_)) return; // its changes of the active window come as events
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == sampledFocus_) return;
    sampledFocus_ = focus;
    remember();
}

X11ForegroundWindow::~X11ForegroundWindow() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11ForegroundWindow::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const int kind = event->response_type & 0x7f;
    // A press on one of ours, before it moves the focus there: the focus is still the
    // user's. Qt takes the mouse through XInput 2 where the server has it.
    const bool press =
        kind == XCB_BUTTON_PRESS ||
        (kind == XCB_GE_GENERIC &&
         reinterpret_cast<xcb_ge_generic_event_t*>(event)->extension == xinputOpcode_ &&
         reinterpret_cast<xcb_ge_generic_event_t*>(event)->event_type == XI_ButtonPress);
    if (press) {
        remember();
        return false;
    }
    if (kind != XCB_PROPERTY_NOTIFY) return false;
    auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
    if (notify->window == DefaultRootWindow(display_) && notify->atom == activeWindowAtom_)
        remember();
    return false;
}

void X11ForegroundWindow::setOwnWindows(std::function<bool(unsigned long)> isOwnWindow) {
    isOwnWindow_ = std::move(isOwnWindow);
}

namespace {

// The native windows of this process's QWindows.
std::set<Window> programWindows() {
    std::set<Window> ours;
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle()) ours.insert(static_cast<Window>(w->winId()));
    return ours;
}

} // namespace

bool focusInProgramWindow(Display* display) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == None || focus == PointerRoot) return false;
    const std::set<Window> ours = programWindows();
    return selfOrAncestor(display, focus, [&](Window w) { return ours.count(w) > 0; });
}

bool activeWindowInProgram(Display* display) {
    const Window active = activeWindow(display);
    if (active == None || active == PointerRoot) return false;
    const std::set<Window> ours = programWindows();
    return selfOrAncestor(display, active, [&](Window w) { return ours.count(w) > 0; });
}

bool X11ForegroundWindow::isOwnWindow(unsigned long window) {
    if (isOwnWindow_) return isOwnWindow_(window);
    const std::set<Window> ours = programWindows();
    return selfOrAncestor(display_, window, [&](Window w) {
        return ours.count(w) > 0 || isProgramClass(display_, w);
    });
}

bool X11ForegroundWindow::isUserWindow(unsigned long window) {
    return window != None && window != PointerRoot && window != DefaultRootWindow(display_) &&
           !isOwnWindow(window);
}

bool X11ForegroundWindow::focusIsIn(unsigned long window) {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return selfOrAncestor(display_, focus, [&](Window w) { return w == window; });
}

void X11ForegroundWindow::remember() {
    const Window window = activeWindow(display_);
    if (isUserWindow(window)) remembered_ = window;
}

unsigned long X11ForegroundWindow::userWindow() {
    remember();
    return remembered_;
}

void X11ForegroundWindow::handBack() {
    const Window target = userWindow();
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
