#include "platform/win32/win32_clipboard.h"

#include <algorithm>
#include <cstring>

namespace sahifex::platform::win32 {

namespace {

// A clipboard owner that does not answer within this time is treated as hung: its text
// is not asked for, since Windows would wait for it far longer than a tick may take.
constexpr UINT kOwnerPatienceMs = 200;

// Posted to ourselves for a change of the clipboard: the change handler runs from the
// event loop, never inside a wait that serves sent messages (the paste's).
constexpr UINT kTellChange = WM_APP + 1;

HGLOBAL globalText(const std::u16string& text) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
        return memory;
    }
    GlobalFree(memory);
    return nullptr;
}

bool ownerAnswers() {
    HWND owner = GetClipboardOwner();
    if (!owner || os::isOurWindow(owner)) return true;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               kOwnerPatienceMs, &ignored) != 0;
}

} // namespace

Win32Clipboard::Win32Clipboard()
    : owner_(L"SahifexClipboardOwner",
             [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
                 return handle(message, wParam, lParam, result);
             }) {
    AddClipboardFormatListener(owner_.handle());
}

Win32Clipboard::~Win32Clipboard() {
    RemoveClipboardFormatListener(owner_.handle());
    renderPromised();
}

bool Win32Clipboard::open() {
    const auto deadline = std::chrono::steady_clock::now() + kOpenPatience;
    while (!OpenClipboard(owner_.handle())) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(10);
    }
    return true;
}

void Win32Clipboard::clear() {
    if (!open()) return;
    EmptyClipboard();
    CloseClipboard();
    promised_.reset();
}

bool Win32Clipboard::setText(const std::u16string& text) {
    if (!open()) return false;
    EmptyClipboard(); // makes our window the owner; WM_DESTROYCLIPBOARD drops an old promise
    SetLastError(ERROR_SUCCESS); // a promise made returns no handle, like a failure
    SetClipboardData(CF_UNICODETEXT, nullptr);
    const bool promised = GetLastError() == ERROR_SUCCESS;
    if (promised) promised_ = text;
    // A promise that cannot be made is kept as text at once.
    const bool written = promised || SetClipboardData(CF_UNICODETEXT, globalText(text));
    CloseClipboard();
    return written;
}

std::u16string Win32Clipboard::text() {
    // Our own promise answers without being rendered: the paste waits for the editor's
    // request, and a render of our own would look like one.
    if (promised_) return *promised_;
    // An unchanged clipboard is not read again: a large text would be copied into this
    // process on every tick.
    const DWORD sequence = GetClipboardSequenceNumber();
    if (readSequence_ == sequence) return read_;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        read_.clear();
        readSequence_ = sequence;
        return read_;
    }
    if (!ownerAnswers() || !open()) return u""; // asked again at the next read
    std::u16string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
            // Up to the end of the memory, the first zero, or one past the longest text.
            const size_t limit = std::min<size_t>(GlobalSize(data) / sizeof(char16_t),
                                                  kLongestClipboardText + 1);
            size_t length = 0;
            while (length < limit && chars[length]) ++length;
            if (length > kLongestClipboardText)
                text = tooLongClipboardText();
            else
                text.assign(chars, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    read_ = text;
    readSequence_ = sequence;
    return text;
}

bool Win32Clipboard::holdsOurPromise() const {
    // WM_DESTROYCLIPBOARD drops the promise when another program empties the clipboard;
    // the owner is asked as well, in case that message has not been served yet.
    return promised_ && GetClipboardOwner() == owner_.handle();
}

std::uint64_t Win32Clipboard::changeCount() { return GetClipboardSequenceNumber(); }

void Win32Clipboard::render() {
    // Called while the clipboard is open on the asker's behalf: only SetClipboardData.
    if (!promised_) return;
    ++renderRequests_;
    if (HGLOBAL memory = globalText(*promised_)) {
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
}

void Win32Clipboard::renderPromised() {
    if (!promised_) return;
    if (GetClipboardOwner() == owner_.handle() && open()) {
        if (GetClipboardOwner() == owner_.handle()) render();
        CloseClipboard();
    }
    promised_.reset();
}

bool Win32Clipboard::handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_RENDERFORMAT:
        if (wParam == CF_UNICODETEXT) render();
        return true;
    case WM_RENDERALLFORMATS:
        renderPromised();
        return true;
    case WM_DESTROYCLIPBOARD:
        promised_.reset(); // another program (or we) emptied the clipboard
        return true;
    case WM_CLIPBOARDUPDATE: {
        // Told once for each change: our own writes and clears are no copy of the user's.
        const DWORD sequence = GetClipboardSequenceNumber();
        if (GetClipboardOwner() != owner_.handle() && sequence != toldSequence_) {
            toldSequence_ = sequence;
            PostMessageW(owner_.handle(), kTellChange, 0, 0);
        }
        return true;
    }
    case kTellChange:
        notifyChanged();
        return true;
    default:
        return false;
    }
}

} // namespace sahifex::platform::win32
