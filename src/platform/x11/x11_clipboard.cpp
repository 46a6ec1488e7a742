#include "platform/x11/x11_clipboard.h"

// Qt first: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QCoreApplication>
#include <QTimer>
#include <QString>

#include <X11/Xatom.h>
#include <X11/extensions/Xfixes.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <string>

#include "platform/handler_guard.h"
#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

// Each request gets a property of its own, in turn, so that the late answer of an owner
// that woke up again cannot overwrite the property a newer request waits for.
constexpr int kRequestProperties = 8;
// Without XFixes every text() may start a read; one that got no answer by then is given up.
constexpr qint64 kPolledReadGiveUpMs = 1000;
// A UTF-8 text longer than this holds more UTF-16 code units than are read (each code
// unit takes three bytes at most); a shorter one is measured once decoded.
constexpr size_t kLongestUtf8 = 3 * (kLongestClipboardText + 1);

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

Atom requestProperty(Display* display, int serial) {
    const std::string name = "_SAHIFEX_CLIPBOARD_" + std::to_string(serial % kRequestProperties);
    return XInternAtom(display, name.c_str(), False);
}

struct PropertyValue {
    Atom type = None;       // None when the property could not be read
    std::string bytes;      // of 8-bit values only, at most the bytes asked for
    bool longer = false;    // the property holds more than that
    unsigned long size = 0; // the first 32-bit value (the announced size of INCR)
};

// Reads at most maxBytes of a property of the window, leaving it in place.
PropertyValue readProperty(Display* display, Window window, Atom property, size_t maxBytes) {
    PropertyValue value;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap(display);
    const long longs = static_cast<long>(maxBytes / 4 + 1);
    const int status = XGetWindowProperty(display, window, property, 0, longs, False,
                                          AnyPropertyType, &value.type, &format, &count,
                                          &remaining, &data);
    if (status != Success || trap.failed()) value.type = None;
    if (value.type != None && data) {
        if (format == 8) {
            value.bytes.assign(reinterpret_cast<char*>(data), std::min<size_t>(count, maxBytes));
            value.longer = remaining > 0 || count > maxBytes;
        } else if (format == 32 && count > 0) {
            value.size = *reinterpret_cast<unsigned long*>(data); // Xlib hands out longs
        }
    }
    if (data) XFree(data);
    return value;
}

} // namespace

struct X11Clipboard::Read {
    Time time = CurrentTime;
    Atom property = None; // of the newest request
    int asked = 0;
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
      incr_(XInternAtom(display, "INCR", False)),
      targets_(XInternAtom(display, "TARGETS", False)) {
    int errorBase = 0, major = 5, minor = 0;
    if (!XFixesQueryExtension(display_, &fixesEventBase_, &errorBase) ||
        !XFixesQueryVersion(display_, &major, &minor))
        fixesEventBase_ = -1;
    createWindow();
    askAgain_.setSingleShot(true);
    askAgain_.setInterval(kAskAgainMs);
    askAgain_.callOnTimeout([this] { askAgain(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
    if (fixesEventBase_ >= 0) ownerChanged(XGetSelectionOwner(display_, clipboard_), CurrentTime);
    XFlush(display_);
}

// Our window, into whose properties owners answer; a new one replaces the window of an
// abandoned transfer, whose owner then has nowhere to put its further pieces.
void X11Clipboard::createWindow() {
    const Window old = window_;
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask; // the pieces of a large text
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, 0,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
    if (fixesEventBase_ >= 0)
        XFixesSelectSelectionInput(display_, window_, clipboard_,
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    if (old) XDestroyWindow(display_, old); // after the new one watches the owner
}

X11Clipboard::~X11Clipboard() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
    XDestroyWindow(display_, window_);
    XFlush(display_);
}

void X11Clipboard::noteTakeover() {
    const Window owner = XGetSelectionOwner(display_, clipboard_);
    if (owner == None) return; // a clear just before took it
    takenFrom_ = isOwnWindow(owner) ? None : owner;
    takenFromAsked_ = false;
}

void X11Clipboard::clear() {
    noteTakeover();
    writer_.clear();
    ownOwner_ = None;
    known_.clear();
    ++changes_;
}

bool X11Clipboard::setText(const std::u16string& text) {
    noteTakeover();
    if (!writer_.setText(text)) return false;
    ownOwner_ = XGetSelectionOwner(display_, clipboard_);
    ownText_ = text;
    known_ = text;
    read_.reset(); // whatever an earlier owner answers now is out of date
    ++changes_;
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
    askAgain_.stop();
    // Without XFixes this runs for every read: a change is counted when the text is.
    if (fixesEventBase_ >= 0) ++changes_;
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
    read_->started.start();
    ++readsStarted_;
    sendRequest();
}

void X11Clipboard::sendRequest() {
    read_->property = requestProperty(display_, requestsSent_++);
    ++read_->asked;
    XDeleteProperty(display_, window_, read_->property);
    XConvertSelection(display_, clipboard_, utf8_, read_->property, window_, read_->time);
    XFlush(display_);
    if (read_->asked < kAsksPerRead) askAgain_.start();
}

// The owner has not answered: asked again. Only the newest request's answer is taken.
void X11Clipboard::askAgain() {
    if (!read_ || read_->inPieces) return;
    sendRequest();
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
    if (kind == XCB_SELECTION_REQUEST) {
        auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
        if (request->selection == clipboard_ && request->target == targets_ && takenFrom_ != None &&
            clientOf(request->requestor) == clientOf(takenFrom_)) {
            takenFromAsked_ = true;
            if (onTakenFromAsked) onTakenFromAsked();
        }
        return false; // Qt answers it
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
    if (property != read_->property) return; // an older request's
    askAgain_.stop();
    const PropertyValue value = readProperty(display_, window_, property, kLongestUtf8);
    if (value.type == incr_) {
        if (value.size > kLongestUtf8) {
            abandonTooLong(); // before the first piece is asked for
            return;
        }
        read_->inPieces = true;
        XDeleteProperty(display_, window_, property); // asks for the first piece
        XFlush(display_);
        return;
    }
    XDeleteProperty(display_, window_, property);
    XFlush(display_);
    if (value.longer) {
        abandonTooLong();
        return;
    }
    finishRead(value.bytes);
}

void X11Clipboard::pieceArrived(unsigned long property) {
    if (!read_ || !read_->inPieces || property != read_->property) return;
    const size_t room = kLongestUtf8 - read_->bytes.size();
    const PropertyValue piece = readProperty(display_, window_, property, room);
    if (piece.type == None || (piece.bytes.empty() && !piece.longer)) {
        // A piece of nothing ends the text.
        XDeleteProperty(display_, window_, property);
        XFlush(display_);
        finishRead(read_->bytes);
        return;
    }
    if (piece.longer) { // more than any request can be, however many pieces are to come
        abandonTooLong();
        return;
    }
    read_->bytes += piece.bytes;
    XDeleteProperty(display_, window_, property); // asks for the next piece
    XFlush(display_);
}

void X11Clipboard::finishRead(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    settle(static_cast<size_t>(text.size()) > kLongestClipboardText ? tooLongClipboardText()
                                                                   : text.toStdU16String());
}

void X11Clipboard::abandonTooLong() {
    createWindow();
    settle(tooLongClipboardText());
}

void X11Clipboard::settle(std::u16string received) {
    if (fixesEventBase_ < 0 && received != known_) ++changes_;
    known_ = std::move(received);
    read_.reset();
    askAgain_.stop();
    // Told from the event loop, after this event: whatever the watcher does then (a
    // search, a paste that waits for the editor) never runs inside the event filter.
    QTimer::singleShot(0, &notifier_, [this] { runHandler([this] { notifyChanged(); }); });
}

} // namespace sahifex::platform::x11
