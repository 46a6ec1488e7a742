#include "view/window_geometry_sync.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/handler_guard.h"
#include "platform/twips.h"

namespace sahifex::view {

using platform::runHandler;
using platform::toPixels;
using platform::toTwips;

namespace {

// The window manager answers a request within this time; what it reports meanwhile
// may be a step that it takes on the way (framing the window, an older request).
constexpr int kSettleMs = 250;
// A request the window system has not answered after this many more is not coming back.
constexpr size_t kMaxUnansweredRequests = 64;

// Whether the reported value is one that was asked. When it is the last one asked,
// every older one is forgotten: the window system has caught up.
template <class Value>
bool wasAsked(std::deque<Value>& asked, const Value& reported) {
    auto it = std::find(asked.begin(), asked.end(), reported);
    if (it == asked.end()) return false;
    if (std::next(it) == asked.end()) asked.erase(asked.begin(), it);
    return true;
}

template <class Value>
void remember(std::deque<Value>& asked, const Value& value) {
    asked.push_back(value);
    if (asked.size() > kMaxUnansweredRequests) asked.pop_front();
}

Qt::WindowStates qtStateOf(int state) {
    switch (state) {
    case forms::Minimized: return Qt::WindowMinimized;
    case forms::Maximized: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

int formStateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return forms::Minimized;
    if (states & Qt::WindowMaximized) return forms::Maximized;
    return forms::Normal;
}

} // namespace

WindowGeometrySync::WindowGeometrySync(QWidget& window, forms::Form& form)
    : window_(window), form_(form) {
    settle_.setSingleShot(true);
    QObject::connect(&settle_, &QTimer::timeout, &window_, [this] { takeFromWindow(); });
}

QMargins WindowGeometrySync::frame() const {
    const QWindow* window = window_.windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void WindowGeometrySync::applyToWindow() {
    applyWindowState();
    if (form_.windowState() != forms::Normal) return;
    // The window system places and sizes the client area; the form's rectangle is the
    // outer one.
    const QMargins margins = frame();
    const QPoint position(toPixels(form_.left()) + margins.left(),
                          toPixels(form_.top()) + margins.top());
    const QSize client(
        std::max(1, toPixels(form_.width()) - margins.left() - margins.right()),
        std::max(1, toPixels(form_.height()) - margins.top() - margins.bottom()));
    if (position == window_.geometry().topLeft() && client == window_.size()) return;
    if (position != window_.geometry().topLeft()) remember(askedPositions_, position);
    if (client != window_.size()) remember(askedSizes_, client);
    sinceLastRequest_.start();
    settle_.start(kSettleMs + 50);
    window_.setGeometry(QRect(position, client));
}

void WindowGeometrySync::applyWindowState() {
    const Qt::WindowStates wanted = qtStateOf(form_.windowState());
    const Qt::WindowStates now = window_.windowState() &
                                 (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (wanted != now) window_.setWindowState(wanted);
}

void WindowGeometrySync::takeFromWindow() {
    if (!window_.isVisible() || form_.windowState() != forms::Normal) return;
    const QMargins margins = frame();
    if (margins != knownFrame_) {
        // The window manager has framed the window: the client area moves in and
        // shrinks so that the outer rectangle stays the form's.
        knownFrame_ = margins;
        applyToWindow();
        return;
    }
    // A report of something asked is an echo, perhaps of an older request; anything
    // else that differs from the form is the user's (or the window manager's) doing.
    const QRect client = window_.geometry();
    const QPoint outerPosition = client.topLeft() - QPoint(margins.left(), margins.top());
    const QSize outerSize = client.size().grownBy(margins);
    const bool userMoved =
        !wasAsked(askedPositions_, client.topLeft()) &&
        outerPosition != QPoint(toPixels(form_.left()), toPixels(form_.top()));
    const bool userSized =
        !wasAsked(askedSizes_, client.size()) &&
        outerSize != QSize(toPixels(form_.width()), toPixels(form_.height()));
    if (!userMoved && !userSized) return;
    // Shortly after a request, what differs is taken only once the window has settled.
    if (sinceLastRequest_.isValid() && sinceLastRequest_.elapsed() < kSettleMs) return;
    taking_ = true;
    runHandler([&] {
        if (userMoved) {
            form_.setLeft(toTwips(outerPosition.x()));
            form_.setTop(toTwips(outerPosition.y()));
        }
        if (userSized) {
            form_.setWidth(toTwips(outerSize.width()));
            form_.setHeight(toTwips(outerSize.height()));
        }
    });
    taking_ = false;
    // A handler that answered the change (keeping the window on the screen) may have
    // placed the form elsewhere: the window follows it.
    applyToWindow();
}

void WindowGeometrySync::takeWindowState() {
    const int state = formStateOf(window_.windowState());
    if (state == form_.windowState()) return;
    taking_ = true;
    runHandler([&] { form_.setWindowState(state); });
    taking_ = false;
}

} // namespace sahifex::view
