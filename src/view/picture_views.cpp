#include "view/picture_views.h"

#include <QGroupBox>
#include <type_traits>

#include "view/picture_widget.h"

namespace sahifex::view {

template <class Pictured>
PictureView<Pictured>::PictureView(Pictured& control, QWidget* parent)
    : ControlView(control, new PictureWidget(parent)), control_(control),
      widget_(static_cast<PictureWidget*>(widget())) {
    if constexpr (std::is_same_v<Pictured, forms::PictureBox>) {
        // A picture box is a panel: it hides what lies beneath it.
        widget_->setAutoFillBackground(true);
        if (control.border()) widget_->setFrameShape(QFrame::StyledPanel);
    }
}

namespace {

// The program's drawings are built into the view as resources, one SVG a name.
QString pictureResource(const std::string& name) {
    if (name.empty()) return {};
    return QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(name));
}

} // namespace

template <class Pictured>
void PictureView<Pictured>::apply(forms::Change change) {
    if (change == forms::Change::Picture)
        widget_->setPicture(pictureResource(control_.picture()));
    else
        ControlView::apply(change);
}

template class PictureView<forms::PictureBox>;
template class PictureView<forms::Image>;

FrameView::FrameView(forms::Frame& frame, QWidget* parent)
    : ControlView(frame, new QGroupBox(parent)), frame_(frame),
      widget_(static_cast<QGroupBox*>(widget())) {}

void FrameView::apply(forms::Change change) {
    if (change == forms::Change::Text)
        widget_->setTitle(QString::fromStdU16String(frame_.caption()));
    else
        ControlView::apply(change);
}

ShapeView::ShapeView(forms::Shape& shape, QWidget* parent)
    : ControlView(shape, new OutlineWidget(parent, parent->palette().color(QPalette::Mid))) {}

void ShapeView::apply(forms::Change change) {
    ControlView::apply(change);
    // An outline lies behind the controls it frames.
    if (change == forms::Change::Visible) widget()->lower();
}

} // namespace sahifex::view
