#pragma once
// The keys, the mouse and the focus of one control's native window, translated for the
// control's binding: the window is subclassed for as long as this lives. Tab moves the
// focus through the form; what a label, image or picture box receives is its own.

#include "os/windows_api.h"
#include "view_common/control_binding.h"

namespace sahifex::view_win32 {

class NativeInput {
public:
    NativeInput(HWND window, view_common::ControlBinding& binding);
    ~NativeInput() { detach(); }
    NativeInput(const NativeInput&) = delete;
    NativeInput& operator=(const NativeInput&) = delete;
    // Gives the window its own procedure back.
    void detach();

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    // true: the window's own procedure does not see the message.
    bool translateKey(WPARAM& character);
    bool translateMouse(UINT message, WPARAM, LPARAM);

    HWND window_;
    view_common::ControlBinding& binding_;
    bool attached_ = false;
    bool capturedMouse_ = false;
};

} // namespace sahifex::view_win32
