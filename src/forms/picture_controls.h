#pragma once
// Controls that show a picture or group others: PictureBox, Image, Frame, Shape.
// A picture is the name of one of the program's drawings ("send", "options"), "" for none;
// the view knows how to draw each name.

#include "forms/control.h"

namespace sahifex::forms {

class PictureBox : public Container {
public:
    explicit PictureBox(std::string name) : Container(std::move(name), Kind::PictureBox) {}
    const std::string& picture() const { return picture_; }
    void setPicture(std::string v);
    bool border() const { return border_; }
    void setBorder(bool v) { border_ = v; }

private:
    std::string picture_;
    bool border_ = false;
};

class Image : public Control {
public:
    explicit Image(std::string name) : Control(std::move(name), Kind::Image) {}
    const std::string& picture() const { return picture_; }
    void setPicture(std::string v);

private:
    std::string picture_;
};

// A captioned group box.
class Frame : public Container {
public:
    explicit Frame(std::string name) : Container(std::move(name), Kind::Frame) {}
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string v);

private:
    std::u16string caption_;
};

// A rectangle outline drawn behind the other controls.
class Shape : public Control {
public:
    explicit Shape(std::string name) : Control(std::move(name), Kind::Shape) {}
};

} // namespace sahifex::forms
