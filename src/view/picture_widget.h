#pragma once
// A widget that draws one of the program's SVG pictures, scaled into its rectangle with
// its proportions kept, optionally inside a thin border. Picture boxes hold other
// widgets on top of it.

#include <QFrame>
#include <QHash>
#include <QPixmap>
#include <QSvgRenderer>

namespace sahifex::view {

class PictureWidget : public QFrame {
public:
    explicit PictureWidget(QWidget* parent);
    // A resource name such as ":/pictures/send.svg"; "" draws nothing.
    void setPicture(const QString& name);
    const QString& picture() const { return name_; }
    // Whether the picture could be drawn (false for "" and for a name without a picture).
    bool hasPicture() const { return renderer_ && renderer_->isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The pictures drawn at the widget's size, by name: a picture shown again (the bar's
    // eye blinks each tick of the tracking timer) is copied, not parsed and drawn anew.
    const QPixmap& drawn(const QSize& size, qreal pixelRatio);

    QString name_;
    QSvgRenderer* renderer_ = nullptr; // shared by every widget showing the picture
    QHash<QString, QPixmap> drawn_;
};

// The outline of a rectangle; the mouse passes through it.
class OutlineWidget : public QWidget {
public:
    OutlineWidget(QWidget* parent, QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace sahifex::view
