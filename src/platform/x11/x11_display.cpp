// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QGuiApplication>

#include "platform/x11/x11_display.h"

#include <X11/Xatom.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>

namespace sahifex::platform::x11 {

Display* qtDisplay(std::string& error) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                        : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        error = "The program needs an X11 display (Qt's xcb platform); "
                "the paste into other programs does not work without one.";
    return display;
}

namespace {
const xcb_setup_t* qtSetup() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 && x11->connection() ? xcb_get_setup(x11->connection()) : nullptr;
}
} // namespace

unsigned long clientOf(Window window) {
    const xcb_setup_t* setup = qtSetup();
    return setup ? window & ~static_cast<unsigned long>(setup->resource_id_mask) : 0;
}

bool isOwnWindow(Window window) {
    const xcb_setup_t* setup = qtSetup();
    return setup && window != None && clientOf(window) == setup->resource_id_base;
}

std::optional<std::string> rootStringProperty(Display* display, const char* name) {
    Atom atom = XInternAtom(display, name, True);
    if (atom == None) return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(display, DefaultRootWindow(display), atom, 0, 4096, False,
                                    AnyPropertyType, &type, &format, &count, &remaining, &data);
    std::optional<std::string> value;
    if (status == Success && type != None && format == 8 && data)
        value.emplace(reinterpret_cast<const char*>(data), count);
    if (data) XFree(data);
    return value;
}

std::optional<Window> windowProperty(Display* display, Window window, const char* name) {
    Atom atom = XInternAtom(display, name, True);
    if (atom == None) return std::nullopt;
    ErrorTrap trap(display);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(display, window, atom, 0, 1, False, XA_WINDOW, &type,
                                    &format, &count, &remaining, &data);
    std::optional<Window> value;
    if (status == Success && !trap.failed() && type == XA_WINDOW && format == 32 && count == 1)
        value = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return value;
}

bool selfOrAncestor(Display* display, Window window, const std::function<bool(Window)>& stop) {
    ErrorTrap trap(display);
    for (Window current = window; current != None && current != PointerRoot;) {
        if (stop(current)) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, current, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (current == root) return false;
        current = parent;
    }
    return false;
}

namespace {

XIOErrorHandler previousIoHandler = nullptr;

int onDisplayLost(Display* display) {
    std::fprintf(stderr, "sahifex: the connection to the X display %s was lost; the program ends.\n",
                 DisplayString(display));
    if (previousIoHandler) return previousIoHandler(display);
    return 0; // Xlib ends the program when the handler returns
}

// One trap at a time: the backends run on the user-interface thread only.
bool trappedError = false;

int onTrappedError(Display*, XErrorEvent*) {
    trappedError = true;
    return 0;
}

} // namespace

void installDisplayLossHandler() {
    // A write to the socket of a server that has gone would end the program by SIGPIPE,
    // silently; ignored, the write fails and the handler below says what happened.
    std::signal(SIGPIPE, SIG_IGN);
    XIOErrorHandler current = XSetIOErrorHandler(onDisplayLost);
    if (current != onDisplayLost) previousIoHandler = current;
}

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
    XSync(display_, False); // errors of earlier requests are not this trap's
    outerFailed_ = trappedError; // a trap this one lies inside keeps its own errors
    trappedError = false;
    previous_ = XSetErrorHandler(onTrappedError);
}

ErrorTrap::~ErrorTrap() {
    XSync(display_, False);
    trappedError = outerFailed_;
    XSetErrorHandler(previous_);
}

bool ErrorTrap::sync() {
    XSync(display_, False);
    return !trappedError;
}

bool ErrorTrap::failed() const { return trappedError; }

} // namespace sahifex::platform::x11
