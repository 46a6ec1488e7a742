#include "view/control_view_factory.h"

#include "forms/forms.h"
#include "view/button_views.h"
#include "view/list_views.h"
#include "view/picture_views.h"
#include "view/text_views.h"

namespace sahifex::view {

std::unique_ptr<ControlView> makeControlView(forms::Control& control, QWidget* parent) {
    using forms::Kind;
    switch (control.kind()) {
    case Kind::Label:
        return std::make_unique<LabelView>(static_cast<forms::Label&>(control), parent);
    case Kind::TextBox:
        return std::make_unique<TextBoxView>(static_cast<forms::TextBox&>(control), parent);
    case Kind::ListBox:
        return std::make_unique<ListBoxView>(static_cast<forms::ListBox&>(control), parent);
    case Kind::ComboBox:
        return std::make_unique<ComboBoxView>(static_cast<forms::ComboBox&>(control), parent);
    case Kind::CheckBox:
        return std::make_unique<CheckBoxView>(static_cast<forms::CheckBox&>(control), parent);
    case Kind::CommandButton:
        return std::make_unique<CommandButtonView>(static_cast<forms::CommandButton&>(control),
                                                   parent);
    case Kind::PictureBox:
        return std::make_unique<PictureBoxView>(static_cast<forms::PictureBox&>(control),
                                                parent);
    case Kind::Image:
        return std::make_unique<ImageView>(static_cast<forms::Image&>(control), parent);
    case Kind::Frame:
        return std::make_unique<FrameView>(static_cast<forms::Frame&>(control), parent);
    case Kind::Shape:
        return std::make_unique<ShapeView>(static_cast<forms::Shape&>(control), parent);
    case Kind::Timer:
    case Kind::Form:
        return nullptr;
    }
    return nullptr;
}

} // namespace sahifex::view
