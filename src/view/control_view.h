#pragma once
// Binds one control of the forms model to the widget that draws it: draws the model's
// changes on the widget and translates what the user does there (mouse, keys, focus)
// for the binding, which runs the control's handlers.

#include <QObject>
#include <memory>

#include "view_common/control_binding.h"

class QWidget;
class QKeyEvent;
class QMouseEvent;

namespace sahifex::view {

class ControlView : public QObject, public view_common::ControlBinding {
public:
    ControlView(forms::Control& control, QWidget* widget);
    ~ControlView() override;

    QWidget* widget() const { return widget_; }
    QWidget* native() const { return widget_; }

protected:
    // The changes every kind of control shares: geometry, visibility, font ...
    void apply(forms::Change change) override;
    void showClickable() override;
    // The widget that receives the mouse when it is not the control's widget itself
    // (the viewport of a list or a multi-line text box).
    void takeMouseFrom(QWidget* source);

    bool eventFilter(QObject* target, QEvent* event) override;

private:
    bool forwardKey(QObject* target, QKeyEvent& event);
    bool forwardMouse(QObject* target, QMouseEvent& event);

    QWidget* widget_;
    QWidget* mouseSource_;
    bool resendingKey_ = false;
};

} // namespace sahifex::view
