#pragma once
// Wine's (or Windows') notepad as the editor that receives the paste.

#include <string>

#include "os/windows_api.h"

namespace sahifex::testing::win32 {

class Notepad {
public:
    // Starts notepad and waits for its window; window() is null when it did not come.
    Notepad();
    ~Notepad();
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;

    HWND window() const { return window_; }
    // Brings notepad to the front with the keyboard focus in its text.
    bool activate();
    // The text in notepad's edit control, read as the control holds it.
    std::u16string text() const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

// A plain visible window of our own, as the program's windows are to the editor.
struct OwnWindow {
    HWND handle = CreateWindowExW(0, L"STATIC", L"sahifex test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ~OwnWindow() { DestroyWindow(handle); }
};

// Runs the loop's sent and posted messages for a while (the paste's wait serves only
// sent ones; the tests' own windows need the rest).
void pumpMessagesFor(int milliseconds);

} // namespace sahifex::testing::win32
