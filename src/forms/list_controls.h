#pragma once
// Controls that hold a list of items: ListBox and ComboBox.

#include "forms/control.h"

namespace sahifex::forms {

// Items counted from 0; ListIndex -1 means none selected. Setting ListIndex runs
// Click at once; an index outside -1 .. ListCount-1 is a RuntimeFailure.
class ListControl : public Control {
public:
    using Control::Control;
    void AddItem(std::u16string item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::u16string& List(int i) const;
    const std::vector<std::u16string>& items() const { return items_; }
    int listIndex() const { return index_; }
    void setListIndex(int i);
    // The selected item's text, "" when none is selected.
    std::u16string text() const;

private:
    std::vector<std::u16string> items_;
    int index_ = -1;
};

class ListBox : public ListControl {
public:
    explicit ListBox(std::string name) : ListControl(std::move(name), Kind::ListBox) {}
};

// A drop-down list whose text is its selected item.
class ComboBox : public ListControl {
public:
    explicit ComboBox(std::string name) : ListControl(std::move(name), Kind::ComboBox) {}
};

} // namespace sahifex::forms
