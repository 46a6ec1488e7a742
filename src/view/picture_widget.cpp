#include "view/picture_widget.h"

#include <QCoreApplication>
#include <QPainter>
#include <cstdio>

namespace sahifex::view {

PictureWidget::PictureWidget(QWidget* parent) : QFrame(parent) {}

namespace {

// Each picture is parsed once, when it is first shown, and kept while the program runs.
QSvgRenderer* rendererFor(const QString& name) {
    static QHash<QString, QSvgRenderer*> renderers;
    QSvgRenderer*& renderer = renderers[name];
    if (!renderer) {
        renderer = new QSvgRenderer(QCoreApplication::instance());
        QObject::connect(renderer, &QObject::destroyed, [name] { renderers.remove(name); });
        if (!renderer->load(name))
            std::fprintf(stderr, "sahifex: no picture %s\n", name.toUtf8().constData());
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return renderer;
}

} // namespace

void PictureWidget::setPicture(const QString& name) {
    if (name == name_) return;
    name_ = name;
    renderer_ = name.isEmpty() ? nullptr : rendererFor(name);
    update();
}

const QPixmap& PictureWidget::drawn(const QSize& size, qreal pixelRatio) {
    QPixmap& pixmap = drawn_[name_];
    if (pixmap.isNull() || pixmap.deviceIndependentSize().toSize() != size ||
        pixmap.devicePixelRatio() != pixelRatio) {
        pixmap = QPixmap(size * pixelRatio);
        pixmap.setDevicePixelRatio(pixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    const QRect area = contentsRect();
    if (hasPicture() && !area.isEmpty()) {
        QPainter painter(this);
        painter.drawPixmap(area.topLeft(), drawn(area.size(), devicePixelRatioF()));
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
