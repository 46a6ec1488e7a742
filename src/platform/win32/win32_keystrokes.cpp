#include "platform/win32/win32_keystrokes.h"

#include <vector>

#include "platform/paste_policy.h"

namespace sahifex::platform::win32 {

namespace {

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Serves the messages that other programs send to our windows (the render requests and
// the loss of the clipboard among them) for at most the given time, returning early once
// one came; posted messages (clicks, timer ticks) wait, so that no handler runs inside the
// paste.
void serveSentMessagesFor(std::chrono::milliseconds wait) {
    if (MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait.count()), QS_SENDMESSAGE,
                                    0) == WAIT_TIMEOUT)
        return;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// Waits, serving sent messages, until the editor takes keys after the focus was handed
// back: the keys would go to our own window otherwise, which has no use for them.
bool editorTakesKeys(HWND editor) {
    constexpr std::chrono::milliseconds kFocusWait{400}, kLook{10};
    const auto until = std::chrono::steady_clock::now() + kFocusWait;
    while (!Win32ForegroundWindow::takesKeys(editor)) {
        if (!editor || std::chrono::steady_clock::now() >= until) return false;
        serveSentMessagesFor(kLook);
    }
    return true;
}

// Ctrl+V. A Shift, Alt or Windows key the user still holds would turn it into another
// command: each is let go after Ctrl is down (a lone Alt press and release would open
// the editor's menu).
std::vector<INPUT> pasteKeys() {
    std::vector<INPUT> inputs{key(VK_CONTROL, false)};
    for (WORD held : {VK_LSHIFT, VK_RSHIFT, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(held) & 0x8000) inputs.push_back(key(held, true));
    for (INPUT last : {key('V', false), key('V', true), key(VK_CONTROL, true)})
        inputs.push_back(last);
    return inputs;
}

} // namespace

bool Win32Keystrokes::sendKeysAndWait(const std::string& keys) {
    if (keys != "^v") return false;
    if (foreground_ && !editorTakesKeys(foreground_->giveBack())) return false;
    // Checked right before the keys: another program that took the clipboard since it was
    // set would have its text pasted in place of ours.
    if (!clipboard_.holdsOurPromise()) return false;
    unsigned requests = clipboard_.renderRequests();
    std::vector<INPUT> inputs = pasteKeys();
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return false;

    PastePolicy policy;
    policy.keysSent();
    while (!policy.done()) {
        serveSentMessagesFor(policy.remaining());
        // Every render request served meanwhile counts as one of the editor's requests.
        for (; requests != clipboard_.renderRequests(); ++requests) policy.textRequested();
        if (!clipboard_.holdsOurPromise()) policy.clipboardLost();
        policy.checkTime();
    }
    return policy.fetched();
}

} // namespace sahifex::platform::win32
