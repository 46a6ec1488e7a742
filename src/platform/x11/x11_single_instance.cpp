#include "platform/x11/x11_single_instance.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QCoreApplication>
#include <QMetaObject>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <unistd.h>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

std::unique_ptr<X11SingleInstance> X11SingleInstance::create(std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    return std::make_unique<X11SingleInstance>(display);
}

X11SingleInstance::X11SingleInstance(Display* display) : display_(display) {
    const std::string name = "_SAHIFEX_RUNNING_" + std::to_string(getuid());
    selection_ = XInternAtom(display_, name.c_str(), False);
    showMessage_ = XInternAtom(display_, "_SAHIFEX_SHOW", False);
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, 0,
                            InputOnly, CopyFromParent, 0, nullptr);
}

X11SingleInstance::~X11SingleInstance() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    XDestroyWindow(display_, window_);
    XFlush(display_);
}

bool X11SingleInstance::claim() {
    // Looking for an owner and taking the selection are one step: two copies started
    // at the same moment cannot both find none.
    XGrabServer(display_);
    const Window running = XGetSelectionOwner(display_, selection_);
    if (running == None) XSetSelectionOwner(display_, selection_, window_, CurrentTime);
    XUngrabServer(display_);
    XSync(display_, False);
    if (running == None) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        return true;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = running;
    message.xclient.message_type = showMessage_;
    message.xclient.format = 32;
    {
        ErrorTrap trap(display_); // the running copy may have ended meanwhile
        XSendEvent(display_, running, False, NoEventMask, &message);
        trap.sync();
    }
    return false;
}

bool X11SingleInstance::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const int kind = event->response_type & 0x7f;
    if (kind != XCB_CLIENT_MESSAGE) return false;
    auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
    if (client->window != window_ || client->type != showMessage_) return false;
    // Not inside the event filter: showing the window runs the program's handlers.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [this] {
        if (onSecondStart) onSecondStart();
    }, Qt::QueuedConnection);
    return true;
}

} // namespace sahifex::platform::x11
