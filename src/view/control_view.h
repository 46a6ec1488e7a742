#pragma once
// Binds one control of the forms model to the widget that draws it: applies every change
// of the model to the widget, and forwards what the user does on the widget (mouse, keys,
// focus) to the control's handlers. Applying a change never echoes back into the model.

#include <QObject>
#include <memory>

#include "forms/control.h"

class QWidget;
class QKeyEvent;
class QMouseEvent;

namespace sahifex::view {

class ControlView : public QObject {
public:
    ControlView(forms::Control& control, QWidget* widget);
    ~ControlView() override;

    forms::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // Draws the control's whole present state.
    void refresh();

protected:
    // Applies one change of the model; subclasses handle their own kinds of change and
    // pass the rest on. Signals of the widget are blocked meanwhile.
    virtual void apply(forms::Change change);
    // The widget that receives the mouse when it is not the control's widget itself
    // (the viewport of a list or a multi-line text box).
    void takeMouseFrom(QWidget* source);
    // Labels, images and picture boxes run Click on a left button release over them;
    // buttons and lists have their own signals for it.
    virtual bool clicksOnRelease() const { return false; }

    bool eventFilter(QObject* target, QEvent* event) override;

private:
    void applyBlocked(forms::Change change);
    bool forwardKey(QObject* target, QKeyEvent& event);
    void forwardMouse(QObject* target, QMouseEvent& event);

    forms::Control& control_;
    QWidget* widget_;
    QWidget* mouseSource_;
    forms::Subscription subscription_; // ends with the view
    bool resendingKey_ = false;
    bool clickAfterDoubleClick_ = false;
};

} // namespace sahifex::view
