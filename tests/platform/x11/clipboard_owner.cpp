#include "clipboard_owner.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <stdexcept>

namespace sahifex::testing::x11 {

namespace {

// The reader may be gone, with its window, while pieces are still sent to it.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

ClipboardOwner::ClipboardOwner(std::string text, OwnerManners manners)
    : display_(XOpenDisplay(nullptr)), text_(std::move(text)), manners_(manners) {
    if (!display_) throw std::runtime_error("no X display");
    incr_ = XInternAtom(display_, "INCR", False);
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False), window_, CurrentTime);
    XSync(display_, False);
}

ClipboardOwner::~ClipboardOwner() { XCloseDisplay(display_); }

int ClipboardOwner::connectionNumber() const { return ConnectionNumber(display_); }

int ClipboardOwner::serve() {
    XSync(display_, False);
    while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == SelectionRequest && ++requests_ > manners_.leftUnanswered)
            answer(&event.xselectionrequest);
        if (event.type == PropertyNotify && event.xproperty.state == PropertyDelete &&
            event.xproperty.window == requestor_ && event.xproperty.atom == property_)
            sendPiece();
    }
    XSync(display_, False);
    return answered_;
}

void ClipboardOwner::answer(const void* what) {
    const auto& request = *static_cast<const XSelectionRequestEvent*>(what);
    ++answered_;
    if (text_.size() > manners_.pieceSize) {
        requestor_ = request.requestor;
        property_ = request.property;
        target_ = request.target;
        sent_ = 0;
        XSelectInput(display_, requestor_, PropertyChangeMask);
        const long size = manners_.announcedSize >= 0 ? manners_.announcedSize
                                                      : static_cast<long>(text_.size());
        XChangeProperty(display_, requestor_, property_, incr_, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&size), 1);
    } else {
        XChangeProperty(display_, request.requestor, request.property, request.target, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(text_.data()),
                        static_cast<int>(text_.size()));
    }
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.property = request.property;
    reply.xselection.time = request.time;
    XSendEvent(display_, request.requestor, False, NoEventMask, &reply);
}

// The next piece; after the last, a piece of nothing ends the text.
void ClipboardOwner::sendPiece() {
    if (manners_.endless && sent_ == text_.size()) sent_ = 0;
    const size_t size = std::min(manners_.pieceSize, text_.size() - sent_);
    const XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    XChangeProperty(display_, requestor_, property_, target_, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text_.data() + sent_),
                    static_cast<int>(size));
    XSync(display_, False);
    XSetErrorHandler(previous);
    sent_ += size;
    ++pieces_;
    if (size == 0) requestor_ = 0;
}

} // namespace sahifex::testing::x11
