#include "view/picture_widget.h"

#include <QPainter>
#include <cstdio>

namespace sahifex::view {

PictureWidget::PictureWidget(QWidget* parent) : QFrame(parent) {
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureWidget::setPicture(const QString& name) {
    if (name == name_) return;
    name_ = name;
    if (name.isEmpty()) {
        renderer_.load(QByteArray());
    } else if (!renderer_.load(name)) {
        std::fprintf(stderr, "sahifex: no picture %s\n", name.toUtf8().constData());
    }
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
    update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    if (renderer_.isValid()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, QRectF(contentsRect()));
    }
    QFrame::paintEvent(event);
}

OutlineWidget::OutlineWidget(QWidget* parent, QColor color) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(color_, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sahifex::view
