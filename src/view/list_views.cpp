#include "view/list_views.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

#include "view_common/control_binding.h"

namespace sahifex::view {

namespace {

QStringList itemsOf(const forms::ListControl& list) {
    QStringList items;
    items.reserve(list.ListCount());
    for (const std::u16string& item : list.items()) items.append(QString::fromStdU16String(item));
    return items;
}

template <class Widget>
void followItems(const forms::ListControl& list, Widget& widget) {
    if (view_common::oneItemAppended(list.ListCount(), widget.count())) {
        widget.addItem(QString::fromStdU16String(list.items().back()));
        return;
    }
    widget.clear();
    widget.addItems(itemsOf(list));
}

} // namespace

ListBoxView::ListBoxView(forms::ListBox& list, QWidget* parent)
    : ControlView(list, new QListWidget(parent)), list_(list),
      widget_(static_cast<QListWidget*>(widget())) {
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setWordWrap(false);
    // A row wider than the list is cut short, as a list box of one column does.
    widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget_->setTextElideMode(Qt::ElideRight);
    widget_->setUniformItemSizes(true); // long result lists stay fast
    takeMouseFrom(widget_->viewport());
    QObject::connect(widget_, &QListWidget::currentRowChanged,
                     [this](int row) { userChoseRow(list_, row); });
    QObject::connect(widget_, &QListWidget::itemDoubleClicked,
                     [this] { fromUser([&] { list_.fireDblClick(); }); });
}

void ListBoxView::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Items:
        followItems(list_, *widget_);
        [[fallthrough]];
    case forms::Change::Selection:
        widget_->setCurrentRow(list_.listIndex());
        if (list_.listIndex() < 0) widget_->clearSelection();
        else widget_->scrollToItem(widget_->currentItem());
        break;
    default: ControlView::apply(change);
    }
}

ComboBoxView::ComboBoxView(forms::ComboBox& combo, QWidget* parent)
    : ControlView(combo, new QComboBox(parent)), combo_(combo),
      widget_(static_cast<QComboBox*>(widget())) {
    widget_->setEditable(false);
    widget_->setMaxVisibleItems(20);
    QObject::connect(widget_, &QComboBox::activated,
                     [this](int index) { userChoseRow(combo_, index); });
}

void ComboBoxView::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Items:
        followItems(combo_, *widget_);
        [[fallthrough]];
    case forms::Change::Selection: widget_->setCurrentIndex(combo_.listIndex()); break;
    default: ControlView::apply(change);
    }
}

} // namespace sahifex::view
