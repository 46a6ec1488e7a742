#include "platform/win32/win32_keystrokes.h"

#include <array>

namespace sahifex::platform::win32 {

namespace {

using Clock = std::chrono::steady_clock;

INPUT key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Serves the messages that other programs send to our windows (the render requests
// among them) until the deadline or the first one; posted messages (clicks, timer
// ticks) wait, so that no handler runs inside the paste.
void serveSentMessagesUntil(Clock::time_point deadline, unsigned& requests,
                            const Win32Clipboard& clipboard) {
    while (clipboard.renderRequests() == requests) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_SENDMESSAGE, 0);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    requests = clipboard.renderRequests();
}

} // namespace

bool Win32Keystrokes::sendKeysAndWait(const std::string& keys) {
    if (keys != "^v") return false;
    if (foreground_) foreground_->handBack();
    const unsigned requestsBefore = clipboard_.renderRequests();
    std::array<INPUT, 4> inputs{key(VK_CONTROL, false), key('V', false), key('V', true),
                                key(VK_CONTROL, true)};
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return false;
    return waitForRequests(requestsBefore);
}

bool Win32Keystrokes::waitForRequests(unsigned requestsBefore) {
    unsigned requests = requestsBefore;
    serveSentMessagesUntil(Clock::now() + wait_.firstRequest, requests, clipboard_);
    if (requests == requestsBefore) return false;
    // An editor may ask more than once (several formats, a second view): wait until
    // it has been quiet for a while.
    for (unsigned seen = 0; seen != requests;) {
        seen = requests;
        serveSentMessagesUntil(Clock::now() + wait_.quiet, requests, clipboard_);
    }
    return true;
}

} // namespace sahifex::platform::win32
