#include "view/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "platform/qt/program_font.h"
#include "platform/qt/window_registry.h"
#include "view/control_view_factory.h"
#include "view/picture_widget.h"
#include "view/resize_border.h"

namespace sahifex::view {

FormWindow::FormWindow(forms::Form& form, WindowStyle style,
                       platform::qt::WindowRegistry& windows)
    : QWidget(nullptr), FormBinding(form, style == WindowStyle::FloatingBar), form_(form),
      style_(style), windows_(windows) {
    setObjectName(QString::fromStdString(form.name()));
    setLayoutDirection(Qt::RightToLeft);
    setFont(platform::qt::programFont(10));
    if (style == WindowStyle::Frameless) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (style == WindowStyle::FloatingBar) {
        Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                Qt::WindowDoesNotAcceptFocus;
        // A Wayland compositor (sway) gives the focus to every window it manages as it
        // comes up, the bar's too, and back to the bar when the main window hides: the
        // paste would go there. Unmanaged, the bar stays above the others and never
        // takes the focus.
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            flags |= Qt::X11BypassWindowManagerHint;
        setWindowFlags(flags);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    windows_.add(form_, *this);

    views_.build(form_, this, makeControlView);
    // Without a caption bar, the border is what the user resizes a sizable window by.
    if (style == WindowStyle::Frameless && form.sizable()) new ResizeBorder(*this);
    if (style != WindowStyle::Framed) {
        border_ = new OutlineWidget(this, palette().color(QPalette::Dark));
        border_->raise();
    }

    bind();
    applyForm(forms::Change::Text);
    geometry_.applyToWindow();
    applyVisible();
}

FormWindow::~FormWindow() {
    unbind();
    windows_.remove(form_);
    // The control views hold widgets that are this window's children: they go first.
    views_.clear();
}

QWidget* FormWindow::widgetOf(const forms::Control& control) const {
    return views_.nativeOf(control);
}

void FormWindow::focusControl(forms::Control& control) {
    if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::applyForm(forms::Change change) {
    switch (change) {
    case forms::Change::Geometry:
        if (!geometry_.takingFromWindow()) geometry_.applyToWindow();
        break;
    case forms::Change::Visible: applyVisible(); break;
    case forms::Change::Text: setWindowTitle(QString::fromStdU16String(form_.caption())); break;
    case forms::Change::Repaint: repaint(); break;
    default: break;
    }
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
    if (std::exchange(activateWhenShown_, false)) raiseAndActivate();
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

void FormWindow::raiseAndActivate() {
    if (!isVisible()) {
        activateWhenShown_ = true;
        return;
    }
    raise();
    QWidget::activateWindow();
}

bool FormWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Resize:
        if (border_) border_->setGeometry(rect());
        geometry_.takeFromWindow();
        break;
    case QEvent::Move:
        geometry_.takeFromWindow();
        break;
    case QEvent::Paint:
    case QEvent::WindowActivate:
    case QEvent::Show:
        // The window manager frames a window after it is shown, without moving or
        // sizing its client area: the frame shows up by the next paint.
        if (isVisible() && geometry_.frameChanged()) geometry_.takeFromWindow();
        break;
    default: break;
    }
    return handled;
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) geometry_.takeWindowState();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides whether the window goes.
    event->ignore();
    userClosed();
}

} // namespace sahifex::view
