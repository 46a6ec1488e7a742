#include "view/text_views.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "view/wrapped_label.h"

namespace sahifex::view {

LabelView::LabelView(forms::Label& label, QWidget* parent)
    : ControlView(label, new WrappedLabel(parent)), label_(label),
      widget_(static_cast<QLabel*>(widget())) {
    widget_->setTextFormat(Qt::PlainText);
}

void LabelView::apply(forms::Change change) {
    if (change != forms::Change::Text) return ControlView::apply(change);
    // A wrapped label grows downwards from its first line (WrappedLabel draws it); a
    // single line sits in the middle of its height.
    widget_->setWordWrap(label_.wordWrap());
    // Right-aligned whatever the text: digits alone would otherwise go to the left.
    widget_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute |
                          (label_.wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
    widget_->setText(QString::fromStdU16String(label_.caption()));
}

QWidget* TextBoxView::makeWidget(const forms::TextBox& box, QWidget* parent) {
    if (box.multiLine()) return new QPlainTextEdit(parent);
    return new QLineEdit(parent);
}

TextBoxView::TextBoxView(forms::TextBox& box, QWidget* parent)
    : ControlView(box, makeWidget(box, parent)), box_(box) {
    if (box.multiLine()) {
        multiLine_ = static_cast<QPlainTextEdit*>(widget());
        takeMouseFrom(multiLine_->viewport());
        QObject::connect(multiLine_, &QPlainTextEdit::textChanged,
                         [this] { takeUserText(multiLine_->toPlainText()); });
    } else {
        line_ = static_cast<QLineEdit*>(widget());
        QObject::connect(line_, &QLineEdit::textEdited,
                         [this](const QString& text) { takeUserText(text); });
    }
}

void TextBoxView::takeUserText(const QString& text) {
    fromUser([&] { box_.setText(text.toStdU16String()); });
}

void TextBoxView::apply(forms::Change change) {
    if (change != forms::Change::Text) return ControlView::apply(change);
    const QString text = QString::fromStdU16String(box_.text());
    // Setting the same text again would move the user's cursor.
    if (line_ && line_->text() != text) line_->setText(text);
    if (multiLine_ && multiLine_->toPlainText() != text) multiLine_->setPlainText(text);
}

} // namespace sahifex::view
