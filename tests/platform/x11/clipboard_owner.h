#pragma once
// A program that owns the CLIPBOARD on an X connection of its own and answers requests
// for its text as told: late, never, in pieces (INCR), or in pieces without end. The X11
// tests play it in their own process; the end-to-end tests run it as a program of its own
// (clipboard_owner) against the real one.

#include <cstddef>
#include <string>

struct _XDisplay; // Xlib's Display; Xlib's macros stay out of the tests

namespace sahifex::testing::x11 {

struct OwnerManners {
    size_t pieceSize = std::string::npos; // a longer text goes in pieces of this size
    int leftUnanswered = 0;  // the first requests it never answers, as LibreOffice at times
    bool endless = false;    // in pieces, the text again and again, never an end
    long announcedSize = -1; // the size the start of the pieces announces; -1: the text's
};

class ClipboardOwner {
public:
    // Takes the clipboard at once; display "" is $DISPLAY.
    explicit ClipboardOwner(std::string text, OwnerManners manners = {});
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    // Answers what came meanwhile, without waiting; the number of requests answered so far.
    int serve();
    // The connection's descriptor, to wait on for the next request.
    int connectionNumber() const;
    int requests() const { return requests_; }
    int piecesSent() const { return pieces_; }

private:
    void answer(const void* request);
    void sendPiece();

    _XDisplay* display_;
    unsigned long window_ = 0;
    unsigned long incr_ = 0;
    std::string text_;
    OwnerManners manners_;
    int requests_ = 0;
    int answered_ = 0;
    int pieces_ = 0;
    unsigned long requestor_ = 0; // of the text that goes in pieces
    unsigned long property_ = 0, target_ = 0;
    size_t sent_ = 0;
};

} // namespace sahifex::testing::x11
