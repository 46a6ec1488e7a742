#include "forms/picture_controls.h"

namespace sahifex::forms {

void PictureBox::setPicture(std::string v) {
    if (picture_ == v) return;
    picture_ = std::move(v);
    notify(Change::Picture);
}

void Image::setPicture(std::string v) {
    if (picture_ == v) return;
    picture_ = std::move(v);
    notify(Change::Picture);
}

void Frame::setCaption(std::u16string v) {
    caption_ = std::move(v);
    notify(Change::Text);
}

} // namespace sahifex::forms
