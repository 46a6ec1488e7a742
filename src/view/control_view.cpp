#include "view/control_view.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/qt/program_font.h"
#include "platform/twips.h"

namespace sahifex::view {

using platform::toPixels;
using MouseAction = view_common::ControlBinding::MouseAction;

namespace {

// The key code the handlers see: the typed character's; 0 for a key that types none.
int16_t keyCodeOfEvent(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return 0;
    return view_common::ControlBinding::keyCodeOf(text.at(0).unicode());
}

Qt::Key keyFor(char16_t unit) {
    switch (unit) {
    case 13: return Qt::Key_Return;
    case 8: return Qt::Key_Backspace;
    case 27: return Qt::Key_Escape;
    default: return Qt::Key_unknown;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// Left, right and middle are the bits 1, 2 and 4 in both worlds.
int buttonBits(Qt::MouseButtons buttons) { return static_cast<int>(buttons.toInt()) & 7; }

} // namespace

ControlView::ControlView(forms::Control& control, QWidget* widget)
    : ControlBinding(control), widget_(widget), mouseSource_(widget) {
    widget_->setObjectName(QString::fromStdString(control.name()));
    widget_->setMouseTracking(true);
    widget_->installEventFilter(this);
}

ControlView::~ControlView() { unbind(); }

void ControlView::apply(forms::Change change) {
    const forms::Control& c = control();
    switch (change) {
    case forms::Change::Geometry:
        widget_->setGeometry(toPixels(c.left()), toPixels(c.top()), toPixels(c.width()),
                             toPixels(c.height()));
        break;
    case forms::Change::Visible: widget_->setVisible(c.visible()); break;
    case forms::Change::Enabled: widget_->setEnabled(c.enabled()); break;
    case forms::Change::ToolTip:
        widget_->setToolTip(QString::fromStdU16String(c.toolTipText()));
        break;
    case forms::Change::Font: widget_->setFont(platform::qt::programFont(c.fontSize())); break;
    case forms::Change::Repaint: widget_->repaint(); break;
    default: break;
    }
}

void ControlView::showClickable() { widget_->setCursor(Qt::PointingHandCursor); }

void ControlView::takeMouseFrom(QWidget* source) {
    mouseSource_ = source;
    source->setMouseTracking(true);
    source->installEventFilter(this);
}

bool ControlView::eventFilter(QObject* target, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return target == widget_ && forwardKey(target, static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return target == mouseSource_ && forwardMouse(target, static_cast<QMouseEvent&>(*event));
    case QEvent::FocusIn:
        if (target == widget_) userFocused();
        break;
    default: break;
    }
    return false;
}

bool ControlView::forwardKey(QObject* target, QKeyEvent& event) {
    // A key that the focused child left unhandled comes up to its containers too.
    if (resendingKey_ || !widget_->hasFocus()) return false;
    int16_t key = keyCodeOfEvent(event);
    switch (userTyped(key)) {
    case KeyOutcome::Passed: return false;
    case KeyOutcome::Eaten: return true;
    case KeyOutcome::Replaced: break;
    }
    const auto unit = static_cast<char16_t>(key);
    QKeyEvent replaced(QEvent::KeyPress, keyFor(unit), event.modifiers(), QString(QChar(unit)));
    resendingKey_ = true;
    QCoreApplication::sendEvent(target, &replaced);
    resendingKey_ = false;
    return true;
}

bool ControlView::forwardMouse(QObject* target, QMouseEvent& event) {
    const QPoint at = target == widget_ ? event.position().toPoint()
                                        : static_cast<QWidget*>(target)->mapTo(
                                              widget_, event.position().toPoint());
    forms::MouseEvent e;
    e.shift = shiftState(event.modifiers());
    e.x = platform::toTwips(at.x());
    e.y = platform::toTwips(at.y());
    e.button = buttonBits(event.type() == QEvent::MouseMove ? event.buttons() : event.button());
    switch (event.type()) {
    case QEvent::MouseButtonPress: return userMouse(MouseAction::Down, e);
    case QEvent::MouseButtonDblClick: return userMouse(MouseAction::DoubleClick, e);
    case QEvent::MouseButtonRelease:
        return userMouse(MouseAction::Up, e, widget_->rect().contains(at));
    default: return userMouse(MouseAction::Move, e);
    }
}

} // namespace sahifex::view
