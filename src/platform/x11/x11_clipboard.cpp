#include "platform/x11/x11_clipboard.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QCoreApplication>
#include <QString>

#include <X11/Xatom.h>
#include <X11/extensions/Xfixes.h>
#include <xcb/xcb.h>

#include <climits>
#include <string>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

// Each read gets a property of its own, in turn, so that the late answer of an owner
// that woke up again cannot overwrite the property a newer read waits for.
constexpr int kReadProperties = 4;
// Without XFixes every text() may start a read; one that got no answer by then is given up.
constexpr qint64 kPolledReadGiveUpMs = 1000;

// The wire layout of XFixes' SelectionNotify event (xcb/xfixes.h, not always installed).
struct FixesSelectionNotify {
    uint8_t responseType;
    uint8_t subtype;
    uint16_t sequence;
    uint32_t window;
    uint32_t owner;
    uint32_t selection;
    uint32_t timestamp;
    uint32_t selectionTimestamp;
    uint8_t pad[8];
};

Atom readProperty(Display* display, int serial) {
    const std::string name = "_SAHIFEX_CLIPBOARD_" + std::to_string(serial % kReadProperties);
    return XInternAtom(display, name.c_str(), False);
}

// Takes the whole value of a property of the window, deleting it (which, in the middle of
// a text that comes in pieces, asks the owner for the next one). Bytes only of 8-bit
// values; type is None when the property could not be read.
std::string takeProperty(Display* display, Window window, Atom property, Atom& type) {
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap(display);
    const int status = XGetWindowProperty(display, window, property, 0, LONG_MAX / 4, True,
                                          AnyPropertyType, &type, &format, &count, &remaining,
                                          &data);
    if (status != Success || trap.failed()) type = None;
    std::string bytes;
    if (type != None && data && format == 8) bytes.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    XFlush(display);
    return bytes;
}

} // namespace

struct X11Clipboard::Read {
    Time time = CurrentTime;
    Atom property = None;
    bool inPieces = false; // INCR: the text comes in pieces, each a new value of the property
    std::string bytes;
    QElapsedTimer started;
};

std::unique_ptr<X11Clipboard> X11Clipboard::create(std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    return std::make_unique<X11Clipboard>(display);
}

X11Clipboard::X11Clipboard(Display* display)
    : display_(display),
      clipboard_(XInternAtom(display, "CLIPBOARD", False)),
      utf8_(XInternAtom(display, "UTF8_STRING", False)),
      incr_(XInternAtom(display, "INCR", False)) {
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask; // the pieces of a large text
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, 0,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
    int errorBase = 0, major = 5, minor = 0;
    if (XFixesQueryExtension(display_, &fixesEventBase_, &errorBase) &&
        XFixesQueryVersion(display_, &major, &minor)) {
        XFixesSelectSelectionInput(display_, window_, clipboard_,
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    } else {
        fixesEventBase_ = -1;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    if (fixesEventBase_ >= 0) ownerChanged(XGetSelectionOwner(display_, clipboard_), CurrentTime);
    XFlush(display_);
}

X11Clipboard::~X11Clipboard() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    XDestroyWindow(display_, window_);
    XFlush(display_);
}

void X11Clipboard::clear() {
    writer_.clear();
    ownOwner_ = None;
    known_.clear();
}

bool X11Clipboard::setText(const std::u16string& text) {
    if (!writer_.setText(text)) return false;
    ownOwner_ = XGetSelectionOwner(display_, clipboard_);
    ownText_ = text;
    known_ = text;
    read_.reset(); // whatever an earlier owner answers now is out of date
    return true;
}

std::u16string X11Clipboard::text() {
    if (fixesEventBase_ < 0) {
        const Window owner = XGetSelectionOwner(display_, clipboard_);
        if (!read_ || read_->started.elapsed() > kPolledReadGiveUpMs)
            ownerChanged(owner, CurrentTime);
    }
    return known_;
}

void X11Clipboard::ownerChanged(unsigned long owner, unsigned long time) {
    read_.reset();
    if (owner == None) {
        known_.clear();
    } else if (owner == ownOwner_) {
        known_ = ownText_;
    } else {
        ownOwner_ = None;
        startRead(time);
    }
}

void X11Clipboard::startRead(unsigned long time) {
    read_ = std::make_unique<Read>();
    read_->time = time;
    read_->property = readProperty(display_, readsStarted_++);
    read_->started.start();
    XDeleteProperty(display_, window_, read_->property);
    XConvertSelection(display_, clipboard_, utf8_, read_->property, window_, time);
    XFlush(display_);
}

bool X11Clipboard::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const int kind = event->response_type & 0x7f;
    if (fixesEventBase_ >= 0 && kind == fixesEventBase_ + XFixesSelectionNotify) {
        auto* notify = reinterpret_cast<FixesSelectionNotify*>(event);
        if (notify->window != window_) return false;
        ownerChanged(notify->owner, notify->timestamp);
        return true;
    }
    if (kind == XCB_SELECTION_NOTIFY) {
        auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event);
        if (notify->requestor != window_) return false;
        if (notify->selection == clipboard_) answered(notify->time, notify->property);
        return true;
    }
    if (kind == XCB_PROPERTY_NOTIFY) {
        auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (notify->window != window_) return false;
        if (notify->state == XCB_PROPERTY_NEW_VALUE) pieceArrived(notify->atom);
        return true;
    }
    return false;
}

void X11Clipboard::answered(unsigned long time, unsigned long property) {
    if (!read_ || read_->inPieces || time != read_->time) return; // an older read's answer
    if (property == None) { // the owner holds no text
        finishRead({});
        return;
    }
    if (property != read_->property) return;
    Atom type = None;
    const std::string bytes = takeProperty(display_, window_, property, type);
    if (type == incr_) {
        read_->inPieces = true; // taking the property asked for the first piece
        return;
    }
    finishRead(bytes);
}

void X11Clipboard::pieceArrived(unsigned long property) {
    if (!read_ || !read_->inPieces || property != read_->property) return;
    Atom type = None;
    const std::string piece = takeProperty(display_, window_, property, type);
    if (type == None || piece.empty()) { // a piece of nothing ends the text
        finishRead(read_->bytes);
        return;
    }
    read_->bytes += piece;
}

void X11Clipboard::finishRead(const std::string& utf8) {
    known_ = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU16String();
    read_.reset();
}

} // namespace sahifex::platform::x11
