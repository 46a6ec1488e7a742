#include "notepad.h"

namespace sahifex::testing::win32 {

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK noteNotepadWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

void pumpMessagesFor(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

Notepad::Notepad() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    wchar_t command[] = L"notepad.exe";
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        return;
    WaitForInputIdle(process_.hProcess, 10000);
    for (int tries = 0; tries < 100 && !window_; ++tries) {
        Search search{process_.dwProcessId, nullptr};
        EnumWindows(noteNotepadWindow, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        if (!window_) pumpMessagesFor(100);
    }
    if (window_) edit_ = FindWindowExW(window_, nullptr, L"Edit", nullptr);
}

Notepad::~Notepad() {
    if (process_.hProcess) {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

bool Notepad::activate() {
    if (!window_) return false;
    SetForegroundWindow(window_);
    for (int tries = 0; tries < 50 && GetForegroundWindow() != window_; ++tries)
        pumpMessagesFor(50);
    pumpMessagesFor(100); // the editor settles its focus
    return GetForegroundWindow() == window_;
}

std::u16string Notepad::text() const {
    if (!edit_) return u"";
    const auto length = SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const auto copied = SendMessageW(edit_, WM_GETTEXT, text.size(),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

} // namespace sahifex::testing::win32
