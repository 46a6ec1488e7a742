#include "view/control_view_factory.h"

#include "view/button_views.h"
#include "view/list_views.h"
#include "view/picture_views.h"
#include "view/text_views.h"
#include "view_common/control_views.h"

namespace sahifex::view {

namespace {

// The widget view of each kind of control.
struct QtViews {
    using Label = LabelView;
    using TextBox = TextBoxView;
    using ListBox = ListBoxView;
    using ComboBox = ComboBoxView;
    using CheckBox = CheckBoxView;
    using CommandButton = CommandButtonView;
    using PictureBox = PictureBoxView;
    using Image = ImageView;
    using Frame = FrameView;
    using Shape = ShapeView;
};

} // namespace

std::unique_ptr<ControlView> makeControlView(forms::Control& control, QWidget* parent) {
    return view_common::makeViewOf<QtViews, ControlView>(control, parent);
}

} // namespace sahifex::view
