#include "view/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>
#include <algorithm>

#include "platform/qt/program_font.h"
#include "platform/qt/twips.h"
#include "platform/qt/window_registry.h"
#include "view/control_view_factory.h"
#include "view/picture_widget.h"
#include "view/resize_border.h"
#include "platform/qt/handler_guard.h"

namespace sahifex::view {

using platform::qt::runHandler;
using platform::qt::toPixels;
using platform::qt::toTwips;

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

FormWindow::FormWindow(forms::Form& form, WindowStyle style,
                       platform::qt::WindowRegistry& windows)
    : QWidget(nullptr), form_(form), style_(style), windows_(windows) {
    setObjectName(QString::fromStdString(form.name()));
    setLayoutDirection(Qt::RightToLeft);
    setFont(platform::qt::programFont(10));
    if (style == WindowStyle::Frameless) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (style == WindowStyle::FloatingBar) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                       Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    windows_.add(form_, *this);

    build(form_, this);
    for (auto& view : views_) view->refresh();
    // Without a caption bar, the border is what the user resizes a sizable window by.
    if (style == WindowStyle::Frameless && form.sizable()) new ResizeBorder(*this);
    if (style != WindowStyle::Framed) {
        border_ = new OutlineWidget(this, palette().color(QPalette::Dark));
        border_->raise();
    }

    subscription_ = form_.observe([this](forms::Control&, forms::Change change) { apply(change); });
    // Both requests are taken back by the destructor.
    form_.onFocusRequest = [this](forms::Control& control) {
        if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
    };
    form_.onActivateRequest = [this] { activate(); };
    settle_.setSingleShot(true);
    QObject::connect(&settle_, &QTimer::timeout, this, [this] { takeWindowGeometry(); });
    apply(forms::Change::Text);
    applyGeometry();
    applyVisible();
}

FormWindow::~FormWindow() {
    subscription_.reset();
    form_.onFocusRequest = nullptr;
    form_.onActivateRequest = nullptr;
    windows_.remove(form_);
    // The control views hold widgets that are this window's children: they go first.
    views_.clear();
}

QWidget* FormWindow::widgetOf(const forms::Control& control) const {
    auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second->widget();
}

void FormWindow::build(const forms::Container& container, QWidget* parent) {
    for (forms::Control* child : container.children()) {
        std::unique_ptr<ControlView> view = makeControlView(*child, parent);
        if (!view) continue;
        QWidget* widget = view->widget();
        viewOf_[child] = view.get();
        views_.push_back(std::move(view));
        if (const forms::Container* inner = child->asContainer()) build(*inner, widget);
    }
}

void FormWindow::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Geometry:
        if (!takingFromWindowSystem_) applyGeometry();
        break;
    case forms::Change::Visible: applyVisible(); break;
    case forms::Change::Text: setWindowTitle(QString::fromStdU16String(form_.caption())); break;
    case forms::Change::Repaint: repaint(); break;
    default: break;
    }
}

QMargins FormWindow::frame() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void FormWindow::applyGeometry() {
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
    if (position == geometry().topLeft() && client == size()) return;
    if (position != geometry().topLeft()) remember(askedPositions_, position);
    if (client != size()) remember(askedSizes_, client);
    sinceLastRequest_.start();
    settle_.start(kSettleMs + 50);
    setGeometry(QRect(position, client));
}

void FormWindow::applyWindowState() {
    const Qt::WindowStates wanted = qtStateOf(form_.windowState());
    const Qt::WindowStates now =
        windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (wanted != now) setWindowState(wanted);
}

void FormWindow::applyVisible() {
    if (form_.visible() == isVisible()) return;
    if (!form_.visible()) {
        hide();
        return;
    }
    if (everShown_) {
        showNow();
        return;
    }
    // The first show waits for the event loop, so that the window appears where the
    // start-up places it right after showing it, not first at its design position.
    if (firstShowPending_) return;
    firstShowPending_ = true;
    QTimer::singleShot(0, this, [this] {
        firstShowPending_ = false;
        if (form_.visible() && !isVisible()) showNow();
    });
}

void FormWindow::showNow() {
    if (beforeShow) beforeShow();
    everShown_ = true;
    show();
    keepActivation();
    if (std::exchange(activateWhenShown_, false)) activate();
}

void FormWindow::keepActivation() {
    // Hidden and shown again before the window system answered, the window keeps the
    // input focus, so no new focus-in comes; but Qt dropped it as its active window
    // when it hid, and would leave the keys without a focused control.
    if (style_ == WindowStyle::FloatingBar || !windowHandle()) return;
    if (QGuiApplication::focusWindow() != windowHandle() || QApplication::activeWindow() == this)
        return;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(this);
    QT_WARNING_POP
}

void FormWindow::activate() {
    if (style_ == WindowStyle::FloatingBar) return;
    if (!isVisible()) {
        activateWhenShown_ = true;
        return;
    }
    raise();
    activateWindow();
}

bool FormWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Resize:
        if (border_) border_->setGeometry(rect());
        takeWindowGeometry();
        break;
    case QEvent::Move:
        takeWindowGeometry();
        break;
    case QEvent::Paint:
    case QEvent::WindowActivate:
    case QEvent::Show:
        // The window manager frames a window after it is shown, without moving or
        // sizing its client area: the frame shows up by the next paint.
        if (isVisible() && frame() != knownFrame_) takeWindowGeometry();
        break;
    default: break;
    }
    return handled;
}

void FormWindow::takeWindowGeometry() {
    if (!isVisible() || form_.windowState() != forms::Normal) return;
    const QMargins margins = frame();
    if (margins != knownFrame_) {
        // The window manager has framed the window: the client area moves in and
        // shrinks so that the outer rectangle stays the form's.
        knownFrame_ = margins;
        applyGeometry();
        return;
    }
    // A report of something asked is an echo, perhaps of an older request; anything
    // else that differs from the form is the user's (or the window manager's) doing.
    const QRect client = geometry();
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
    takingFromWindowSystem_ = true;
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
    takingFromWindowSystem_ = false;
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const int state = formStateOf(windowState());
    if (state == form_.windowState()) return;
    takingFromWindowSystem_ = true;
    runHandler([&] { form_.setWindowState(state); });
    takingFromWindowSystem_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: a window runs its unload handling and hides; the bar cannot be
    // closed, as it is the only way left to end the program.
    event->ignore();
    if (style_ != WindowStyle::FloatingBar) runHandler([&] { form_.userClose(); });
}

} // namespace sahifex::view
