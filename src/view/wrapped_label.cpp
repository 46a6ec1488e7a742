#include "view/wrapped_label.h"

#include <QPainter>

namespace sahifex::view {

const platform::qt::WrappedText& WrappedLabel::wrapped() const {
    if (!wrapped_ || wrapped_->text() != text() || wrapped_->font() != font() ||
        wrapped_->width() != width())
        wrapped_ = std::make_unique<platform::qt::WrappedText>(text(), font(), width());
    return *wrapped_;
}

void WrappedLabel::paintEvent(QPaintEvent* event) {
    if (!wordWrap()) return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled,
                                   foregroundRole()));
    wrapped().draw(painter, QPointF(0, 0));
}

} // namespace sahifex::view
