#pragma once
// The border of a frameless window that the user can resize: within a few pixels of an
// edge or a corner the pointer shows the matching resize cursor, and a left-button press
// there hands the resize to the window manager. Controls under the band lose only the
// presses in it; elsewhere they get every event as before.

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace sahifex::view {

// The edges of a window of the given size that the point lies within band pixels of.
Qt::Edges edgesAt(QPoint point, QSize size, int band);
// The pointer shape for resizing by those edges; Qt::ArrowCursor for none.
Qt::CursorShape resizeCursorFor(Qt::Edges edges);

class ResizeBorder : public QObject {
public:
    static constexpr int kBand = 4;
    // Watches the window's native window once it exists, for as long as the window lives.
    explicit ResizeBorder(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onNativeWindowEvent(QEvent* event);
    void showCursorFor(Qt::Edges edges, QPoint point);

    QWidget& window_;
    bool watchingNative_ = false;
    bool showingResizeCursor_ = false;
};

} // namespace sahifex::view
