#pragma once
// List boxes (LISTBOX) and combo boxes (COMBOBOX, a drop-down list).

#include "forms/list_controls.h"
#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

class ListBoxWindow : public ControlWindow {
public:
    ListBoxWindow(forms::ListBox& list, HWND parent);
    void command(WORD code) override;
    // Each row drawn from the right, reading right to left: the list control itself lays
    // a row out left to right under wine, showing a long verse's end cut on the left.
    bool drawItem(const DRAWITEMSTRUCT& item) override;

protected:
    void apply(forms::Change change) override;

private:
    forms::ListBox& list_;
};

class ComboBoxWindow : public ControlWindow {
public:
    ComboBoxWindow(forms::ComboBox& combo, HWND parent);
    void command(WORD code) override;

protected:
    void apply(forms::Change change) override;
    int windowHeight(int controlHeight) const override;

private:
    forms::ComboBox& combo_;
};

} // namespace sahifex::view_win32
