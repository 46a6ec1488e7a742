#pragma once
// Picture boxes, images, frames and shapes: picture boxes and frames hold other
// controls; pictures and outlines are painted by a window class of our own.

#include "forms/picture_controls.h"
#include "view_win32/control_window.h"

namespace sahifex::view_win32 {

// A window of our painted class, drawn by its view.
class PaintedWindow : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    virtual void paint(HDC context, const RECT& area) = 0;
    // Whether the mouse passes through to what lies beneath.
    virtual bool transparentToMouse() const { return false; }
};

// Makes a window of the painted class.
HWND createPainted(DWORD style, HWND parent);

template <class Pictured>
class PictureWindow : public PaintedWindow {
public:
    PictureWindow(Pictured& control, HWND parent);
    void paint(HDC context, const RECT& area) override;

protected:
    void apply(forms::Change change) override;
    bool clicksOnRelease() const override { return true; }

private:
    Pictured& control_;
};

using PictureBoxWindow = PictureWindow<forms::PictureBox>;
using ImageWindow = PictureWindow<forms::Image>;

class FrameWindow : public ControlWindow {
public:
    FrameWindow(forms::Frame& frame, HWND parent);

protected:
    void apply(forms::Change change) override;

private:
    forms::Frame& frame_;
};

// An outline behind the controls it frames.
class ShapeWindow : public PaintedWindow {
public:
    ShapeWindow(forms::Shape& shape, HWND parent);
    void paint(HDC context, const RECT& area) override;
    bool transparentToMouse() const override { return true; }

protected:
    void apply(forms::Change change) override;
};

} // namespace sahifex::view_win32
