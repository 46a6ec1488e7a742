#pragma once
// CheckBox → QCheckBox; CommandButton → QPushButton.

#include "forms/button_controls.h"
#include "view/control_view.h"

class QCheckBox;
class QPushButton;

namespace sahifex::view {

class CheckBoxView : public ControlView {
public:
    CheckBoxView(forms::CheckBox& box, QWidget* parent);

protected:
    void apply(forms::Change change) override;

private:
    forms::CheckBox& box_;
    QCheckBox* widget_;
};

class CommandButtonView : public ControlView {
public:
    CommandButtonView(forms::CommandButton& button, QWidget* parent);

protected:
    void apply(forms::Change change) override;

private:
    forms::CommandButton& button_;
    QPushButton* widget_;
};

} // namespace sahifex::view
