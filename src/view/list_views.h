#pragma once
// ListBox → QListWidget; ComboBox → a drop-down QComboBox.

#include "forms/list_controls.h"
#include "view/control_view.h"

class QComboBox;
class QListWidget;

namespace sahifex::view {

class ListBoxView : public ControlView {
public:
    ListBoxView(forms::ListBox& list, QWidget* parent);

protected:
    void apply(forms::Change change) override;

private:
    forms::ListBox& list_;
    QListWidget* widget_;
};

class ComboBoxView : public ControlView {
public:
    ComboBoxView(forms::ComboBox& combo, QWidget* parent);

protected:
    void apply(forms::Change change) override;

private:
    forms::ComboBox& combo_;
    QComboBox* widget_;
};

} // namespace sahifex::view
