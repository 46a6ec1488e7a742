#include "view/button_views.h"

#include <QCheckBox>
#include <QPushButton>


namespace sahifex::view {

CheckBoxView::CheckBoxView(forms::CheckBox& box, QWidget* parent)
    : ControlView(box, new QCheckBox(parent)), box_(box),
      widget_(static_cast<QCheckBox*>(widget())) {
    widget_->setTristate(false);
    QObject::connect(widget_, &QCheckBox::clicked, [this] { userToggled(box_); });
}

void CheckBoxView::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Text: widget_->setText(QString::fromStdU16String(box_.caption())); break;
    case forms::Change::Value:
        widget_->setCheckState(box_.value() == 1   ? Qt::Checked
                               : box_.value() == 2 ? Qt::PartiallyChecked
                                                   : Qt::Unchecked);
        break;
    default: ControlView::apply(change);
    }
}

CommandButtonView::CommandButtonView(forms::CommandButton& button, QWidget* parent)
    : ControlView(button, new QPushButton(parent)), button_(button),
      widget_(static_cast<QPushButton*>(widget())) {
    widget_->setAutoDefault(false);
    QObject::connect(widget_, &QPushButton::clicked,
                     [this] { fromUser([&] { button_.fireClick(); }); });
}

void CommandButtonView::apply(forms::Change change) {
    if (change == forms::Change::Text)
        widget_->setText(QString::fromStdU16String(button_.caption()));
    else
        ControlView::apply(change);
}

} // namespace sahifex::view
