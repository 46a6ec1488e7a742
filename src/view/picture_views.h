#pragma once
// PictureBox → a PictureWidget that holds its children; Image → a PictureWidget;
// Frame → QGroupBox; Shape → an outline behind its siblings.

#include "forms/picture_controls.h"
#include "view/control_view.h"

class QGroupBox;

namespace sahifex::view {

class PictureWidget;

// A picture box (which also holds other controls) or an image: both draw their picture.
template <class Pictured>
class PictureView : public ControlView {
public:
    PictureView(Pictured& control, QWidget* parent);

protected:
    void apply(forms::Change change) override;
    bool clicksOnRelease() const override { return true; }

private:
    Pictured& control_;
    PictureWidget* widget_;
};

using PictureBoxView = PictureView<forms::PictureBox>;
using ImageView = PictureView<forms::Image>;

class FrameView : public ControlView {
public:
    FrameView(forms::Frame& frame, QWidget* parent);

protected:
    void apply(forms::Change change) override;
    bool clicksOnRelease() const override { return true; }

private:
    forms::Frame& frame_;
    QGroupBox* widget_;
};

class ShapeView : public ControlView {
public:
    ShapeView(forms::Shape& shape, QWidget* parent);

protected:
    void apply(forms::Change change) override;
};

} // namespace sahifex::view
