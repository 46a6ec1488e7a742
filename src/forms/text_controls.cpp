#include "forms/text_controls.h"

#include "forms/form.h"

namespace sahifex::forms {

void Label::setCaption(std::u16string v) {
    if (caption_ == v) return;
    caption_ = std::move(v);
    notify(Change::Text);
    fitHeight();
}

void Label::setAutoSize(bool v) { autoSize_ = v; fitHeight(); }
void Label::setWordWrap(bool v) { wordWrap_ = v; fitHeight(); }

void Label::setWidth(int v) {
    Control::setWidth(v);
    fitHeight();
}

void Label::setFontSize(int points) {
    Control::setFontSize(points);
    fitHeight();
}

void Label::fitHeight() {
    if (!autoSize_ || !wordWrap_) return;
    Form* f = form();
    if (!f || !f->metrics()) return;
    setHeight(f->metrics()->wrappedTextHeight(caption_, width(), fontSize()));
}

void TextBox::setText(std::u16string v) {
    if (text_ == v) return;
    text_ = std::move(v);
    notify(Change::Text);
}

} // namespace sahifex::forms
