#pragma once
// The window the user works in, on X11: followed as the user moves between windows, and
// given the focus back before the paste keys.
//
// With a window manager, every change of _NET_ACTIVE_WINDOW on the root window is noted.
// Without one, which announces nothing, the input focus is looked at a few times a
// second, when asked, and when the user presses a mouse button on one of our windows,
// before the press moves the focus to it. The window the user works
// in is the last of these that is not ours: the program's own windows, those of another
// copy of it (known by their WM_CLASS) and the root never count. After our window hides,
// a window manager gives the focus back to some window, but without one the focus falls
// to the root window and the keys would go nowhere.

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "platform/foreground_window.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

// Whether the X input focus lies in one of this process's windows.
bool focusInProgramWindow(_XDisplay* display);
// Whether the window manager's active window (or the focus, without one) is one of this
// process's windows. The X focus leaves a window as it hides; a window manager names the
// next active one only once it has given it the focus.
bool activeWindowInProgram(_XDisplay* display);

class X11ForegroundWindow : public ForegroundWindow, private QAbstractNativeEventFilter {
public:
    // Works on Qt's own X connection; nullptr, with the reason in error, when the program
    // does not run on an X11 display.
    static std::unique_ptr<X11ForegroundWindow> create(std::string& error);
    explicit X11ForegroundWindow(_XDisplay* display);
    ~X11ForegroundWindow() override;
    X11ForegroundWindow(const X11ForegroundWindow&) = delete;
    X11ForegroundWindow& operator=(const X11ForegroundWindow&) = delete;

    // Notes the window that is active now (_NET_ACTIVE_WINDOW when a window manager
    // runs, the input focus when none does), unless it is not the user's.
    void remember() override;
    // Activates the window the user works in unless it has the focus, and waits briefly
    // until the server has moved the focus there.
    void handBack() override;

    // The last window noted as the user's; 0 when none.
    unsigned long rememberedWindow() const { return remembered_; }
    // The window the user works in now: the active window when it is the user's, else
    // the last one noted; 0 when none.
    unsigned long userWindow();
    // Tells which X windows are ours. Without it, a window is ours when it is, or lies
    // inside, the native window of one of this process's QWindows or a window of the
    // program's class (another copy's).
    void setOwnWindows(std::function<bool(unsigned long)> isOwnWindow);

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
    bool focusIsIn(unsigned long window);
    bool isOwnWindow(unsigned long window);
    bool isUserWindow(unsigned long window);
    void sampleFocus();

    _XDisplay* display_;
    unsigned long activeWindowAtom_ = 0;
    int xinputOpcode_ = -1; // the major opcode of XInput, whose events carry Qt's mouse
    unsigned long remembered_ = 0;
    QTimer focusSampler_;
    unsigned long sampledFocus_ = 0;
    std::function<bool(unsigned long)> isOwnWindow_;
};

} // namespace sahifex::platform::x11
