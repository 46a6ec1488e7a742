#include "view/resize_border.h"

#include <QMouseEvent>
#include <QWindow>

namespace sahifex::view {

Qt::Edges edgesAt(QPoint point, QSize size, int band) {
    Qt::Edges edges;
    if (point.x() < 0 || point.y() < 0 || point.x() >= size.width() || point.y() >= size.height())
        return edges;
    if (point.x() < band) edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - band) edges |= Qt::RightEdge;
    if (point.y() < band) edges |= Qt::TopEdge;
    if (point.y() >= size.height() - band) edges |= Qt::BottomEdge;
    // A window narrower than two bands: the nearer side wins.
    if ((edges & Qt::LeftEdge) && (edges & Qt::RightEdge))
        edges &= point.x() < size.width() / 2 ? ~Qt::Edges(Qt::RightEdge) : ~Qt::Edges(Qt::LeftEdge);
    if ((edges & Qt::TopEdge) && (edges & Qt::BottomEdge))
        edges &= point.y() < size.height() / 2 ? ~Qt::Edges(Qt::BottomEdge) : ~Qt::Edges(Qt::TopEdge);
    return edges;
}

Qt::CursorShape resizeCursorFor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    // Top-left and bottom-right share one diagonal, top-right and bottom-left the other.
    if (horizontal && vertical)
        return edges.testFlag(Qt::LeftEdge) == edges.testFlag(Qt::TopEdge) ? Qt::SizeFDiagCursor
                                                                           : Qt::SizeBDiagCursor;
    if (horizontal) return Qt::SizeHorCursor;
    if (vertical) return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

ResizeBorder::ResizeBorder(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

bool ResizeBorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        // The native window exists from the first show on; its events come before any
        // widget's, so the band is handled above the controls without touching them.
        if (event->type() == QEvent::Show && !watchingNative_ && window_.windowHandle()) {
            window_.windowHandle()->installEventFilter(this);
            watchingNative_ = true;
        }
        return false;
    }
    if (watched == window_.windowHandle()) return onNativeWindowEvent(event);
    return false;
}

bool ResizeBorder::onNativeWindowEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() != Qt::NoButton) return false; // a drag inside goes on as it was
        const QPoint point = mouse->position().toPoint();
        const Qt::Edges edges = edgesAt(point, window_.size(), kBand);
        showCursorFor(edges, point);
        return edges != Qt::Edges();
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const Qt::Edges edges = edgesAt(mouse->position().toPoint(), window_.size(), kBand);
        if (edges == Qt::Edges()) return false;
        // Without a window manager that can do it, the press goes to the control under it.
        return window_.windowHandle()->startSystemResize(edges);
    }
    case QEvent::Leave:
        showCursorFor(Qt::Edges(), QPoint(-1, -1));
        return false;
    default: return false;
    }
}

void ResizeBorder::showCursorFor(Qt::Edges edges, QPoint point) {
    QWindow* native = window_.windowHandle();
    if (edges != Qt::Edges()) {
        native->setCursor(resizeCursorFor(edges));
        showingResizeCursor_ = true;
        return;
    }
    if (!showingResizeCursor_) return;
    showingResizeCursor_ = false;
    // Back to the cursor of the control under the pointer (a text box's I-beam).
    QWidget* under = window_.childAt(point);
    native->setCursor((under ? under : &window_)->cursor());
}

} // namespace sahifex::view
