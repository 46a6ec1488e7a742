#include "forms/list_controls.h"

#include "forms/runtime_failure.h"

namespace sahifex::forms {

void ListControl::AddItem(std::u16string item) {
    items_.push_back(std::move(item));
    notify(Change::Items);
}

void ListControl::Clear() {
    items_.clear();
    index_ = -1;
    notify(Change::Items);
}

const std::u16string& ListControl::List(int i) const {
    if (i < 0 || i >= ListCount())
        throw RuntimeFailure(name() + ": no item " + std::to_string(i));
    return items_[static_cast<size_t>(i)];
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= ListCount())
        throw RuntimeFailure(name() + ": invalid ListIndex " + std::to_string(i));
    index_ = i;
    notify(Change::Selection);
    fireClick();
}

std::u16string ListControl::text() const {
    return index_ < 0 ? std::u16string() : items_[static_cast<size_t>(index_)];
}

} // namespace sahifex::forms
