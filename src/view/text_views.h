#pragma once
// Label → QLabel (a WrappedLabel, which draws word-wrapped captions itself); TextBox →
// QLineEdit, or QPlainTextEdit when it is multi-line.

#include "forms/text_controls.h"
#include "view/control_view.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace sahifex::view {

class LabelView : public ControlView {
public:
    LabelView(forms::Label& label, QWidget* parent);

protected:
    void apply(forms::Change change) override;
    bool clicksOnRelease() const override { return true; }

private:
    forms::Label& label_;
    QLabel* widget_;
};

class TextBoxView : public ControlView {
public:
    TextBoxView(forms::TextBox& box, QWidget* parent);

protected:
    void apply(forms::Change change) override;

private:
    static QWidget* makeWidget(const forms::TextBox& box, QWidget* parent);
    void takeUserText(const QString& text);

    forms::TextBox& box_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multiLine_ = nullptr;
};

} // namespace sahifex::view
