#pragma once
// Keeps a window and its form in step both ways: the form's Left, Top, Width and Height
// (twips, the outer rectangle, frame included) and its window state are applied to the
// window; the user's own moves, resizes and state changes flow back into the form.
// What the window system reports back of a request is an echo, not the user's doing.

#include <QElapsedTimer>
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <deque>

#include "forms/form.h"

class QWidget;

namespace sahifex::view {

class WindowGeometrySync {
public:
    WindowGeometrySync(QWidget& window, forms::Form& form);

    // The form's rectangle and state, to the window.
    void applyToWindow();
    // Whatever of the window differs from the form and was not asked for, to the form.
    void takeFromWindow();
    // The window system changed the window's state (minimised, maximised, normal).
    void takeWindowState();
    // Whether the form is being changed from the window right now (its observers must
    // not apply the change back).
    bool takingFromWindow() const { return taking_; }
    // The window manager's frame has changed since it was last seen.
    bool frameChanged() const { return frame() != knownFrame_; }

private:
    QMargins frame() const;
    void applyWindowState();

    QWidget& window_;
    forms::Form& form_;
    // What the window system last reported as the frame around the client area.
    QMargins knownFrame_;
    // Positions and client sizes asked of the window system that it has not yet
    // reported back: a report of one of them is an echo, not the user's doing.
    std::deque<QPoint> askedPositions_;
    std::deque<QSize> askedSizes_;
    QElapsedTimer sinceLastRequest_;
    QTimer settle_; // looks at the window again once it has settled after a request
    bool taking_ = false;
};

} // namespace sahifex::view
