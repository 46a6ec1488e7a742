#include "view/control_view.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWidget>

#include "forms/form.h"
#include "platform/qt/program_font.h"
#include "platform/qt/twips.h"
#include "platform/qt/handler_guard.h"

namespace sahifex::view {

using platform::qt::runHandler;
using platform::qt::toPixels;

namespace {

// The key code the handlers see: the typed character's code unit; 0 for a key that
// types nothing the handlers look at (arrows, Tab, Delete).
int16_t keyCodeOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const char16_t unit = text.at(0).unicode();
    if (unit == u'\t' || unit == 127) return 0;
    return static_cast<int16_t>(unit);
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
    : control_(control), widget_(widget), mouseSource_(widget),
      subscription_(control.observe(
          [this](forms::Control&, forms::Change change) { applyBlocked(change); })) {
    widget_->setObjectName(QString::fromStdString(control.name()));
    widget_->setMouseTracking(true);
    widget_->installEventFilter(this);
}

ControlView::~ControlView() = default;

void ControlView::refresh() {
    // What can be clicked shows it.
    if (clicksOnRelease() && control_.Click) widget_->setCursor(Qt::PointingHandCursor);
    for (forms::Change change : {forms::Change::Font, forms::Change::Text, forms::Change::Items,
                                 forms::Change::Selection, forms::Change::Value,
                                 forms::Change::Picture, forms::Change::Enabled,
                                 forms::Change::ToolTip, forms::Change::Geometry,
                                 forms::Change::Visible})
        applyBlocked(change);
}

void ControlView::applyBlocked(forms::Change change) {
    const QSignalBlocker blocker(widget_);
    apply(change);
}

void ControlView::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Geometry:
        widget_->setGeometry(toPixels(control_.left()), toPixels(control_.top()),
                             toPixels(control_.width()), toPixels(control_.height()));
        break;
    case forms::Change::Visible: widget_->setVisible(control_.visible()); break;
    case forms::Change::Enabled: widget_->setEnabled(control_.enabled()); break;
    case forms::Change::ToolTip:
        widget_->setToolTip(QString::fromStdU16String(control_.toolTipText()));
        break;
    case forms::Change::Font:
        widget_->setFont(platform::qt::programFont(control_.fontSize()));
        break;
    case forms::Change::Repaint: widget_->repaint(); break;
    default: break;
    }
}

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
        if (target != mouseSource_) break;
        forwardMouse(target, static_cast<QMouseEvent&>(*event));
        // What a label, image or picture box receives is its own: it does not pass on
        // to the container beneath.
        return clicksOnRelease();
    case QEvent::FocusIn:
            if (target != widget_) break;
        if (forms::Form* form = control_.form(); form && form->focused() != &control_)
            runHandler([&] { form->focusChangedByUser(&control_); });
        break;
    default: break;
    }
    return false;
}

bool ControlView::forwardKey(QObject* target, QKeyEvent& event) {
    // A key that the focused child left unhandled comes up to its containers too.
    if (resendingKey_ || !control_.KeyPress || !widget_->hasFocus()) return false;
    const int16_t typed = keyCodeOf(event);
    if (typed == 0) return false;
    int16_t key = typed;
    runHandler([&] { control_.fireKeyPress(key); });
    if (key == typed) return false;
    if (key != 0) {
        // The handler typed another character in place of this one.
        const auto unit = static_cast<char16_t>(key);
        QKeyEvent replaced(QEvent::KeyPress, keyFor(unit), event.modifiers(),
                           QString(QChar(unit)));
        resendingKey_ = true;
        QCoreApplication::sendEvent(target, &replaced);
        resendingKey_ = false;
    }
    return true;
}

void ControlView::forwardMouse(QObject* target, QMouseEvent& event) {
    const QPoint at = target == widget_ ? event.position().toPoint()
                                        : static_cast<QWidget*>(target)->mapTo(
                                              widget_, event.position().toPoint());
    forms::MouseEvent e;
    e.shift = shiftState(event.modifiers());
    e.x = platform::qt::toTwips(at.x());
    e.y = platform::qt::toTwips(at.y());
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        e.button = buttonBits(event.button());
        if (control_.MouseDown) runHandler([&] { control_.MouseDown(e); });
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click is the double click, not a mouse-down;
        // its release is a mouse-up without a click.
        clickAfterDoubleClick_ = true;
        if (event.button() == Qt::LeftButton) runHandler([&] { control_.fireDblClick(); });
        break;
    case QEvent::MouseButtonRelease: {
        e.button = buttonBits(event.button());
        if (control_.MouseUp) runHandler([&] { control_.MouseUp(e); });
        const bool afterDouble = std::exchange(clickAfterDoubleClick_, false);
        if (clicksOnRelease() && !afterDouble && event.button() == Qt::LeftButton &&
            widget_->rect().contains(at))
            runHandler([&] { control_.fireClick(); });
        break;
    }
    case QEvent::MouseMove:
        e.button = buttonBits(event.buttons());
        if (control_.MouseMove) runHandler([&] { control_.MouseMove(e); });
        break;
    default: break;
    }
}

} // namespace sahifex::view
