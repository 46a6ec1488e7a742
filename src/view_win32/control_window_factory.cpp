#include "view_win32/control_window_factory.h"

#include "forms/forms.h"
#include "view_win32/button_windows.h"
#include "view_win32/list_windows.h"
#include "view_win32/picture_windows.h"
#include "view_win32/text_windows.h"

namespace sahifex::view_win32 {

std::unique_ptr<ControlWindow> makeControlWindow(forms::Control& control, HWND parent) {
    using forms::Kind;
    switch (control.kind()) {
    case Kind::Label:
        return std::make_unique<LabelWindow>(static_cast<forms::Label&>(control), parent);
    case Kind::TextBox:
        return std::make_unique<TextBoxWindow>(static_cast<forms::TextBox&>(control), parent);
    case Kind::ListBox:
        return std::make_unique<ListBoxWindow>(static_cast<forms::ListBox&>(control), parent);
    case Kind::ComboBox:
        return std::make_unique<ComboBoxWindow>(static_cast<forms::ComboBox&>(control), parent);
    case Kind::CheckBox:
        return std::make_unique<CheckBoxWindow>(static_cast<forms::CheckBox&>(control), parent);
    case Kind::CommandButton:
        return std::make_unique<CommandButtonWindow>(static_cast<forms::CommandButton&>(control),
                                                     parent);
    case Kind::PictureBox:
        return std::make_unique<PictureBoxWindow>(static_cast<forms::PictureBox&>(control),
                                                  parent);
    case Kind::Image:
        return std::make_unique<ImageWindow>(static_cast<forms::Image&>(control), parent);
    case Kind::Frame:
        return std::make_unique<FrameWindow>(static_cast<forms::Frame&>(control), parent);
    case Kind::Shape:
        return std::make_unique<ShapeWindow>(static_cast<forms::Shape&>(control), parent);
    case Kind::Timer:
    case Kind::Form:
        return nullptr;
    }
    return nullptr;
}

} // namespace sahifex::view_win32
