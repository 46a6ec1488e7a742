#include "clipboard_helpers.h"

#include <cstring>
#include <thread>

namespace sahifex::testing::win32 {

namespace {

bool openPatiently() {
    for (int tries = 0; tries < 100; ++tries) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

} // namespace

std::u16string readAsAnotherProgram() {
    return onAnotherThread<std::u16string>([] {
        std::u16string text;
        if (!openPatiently()) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    });
}

void copyAsAnotherProgram(const std::u16string& text) {
    onAnotherThread<bool>([&text] {
        if (!openPatiently()) return false;
        EmptyClipboard();
        const size_t bytes = (text.size() + 1) * sizeof(char16_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        return true;
    });
}

ClipboardHolder::ClipboardHolder(std::chrono::milliseconds howLong) {
    std::promise<void> opened;
    auto isOpen = opened.get_future();
    holding_ = std::async(std::launch::async, [howLong, &opened] {
        const bool open = openPatiently();
        opened.set_value();
        std::this_thread::sleep_for(howLong);
        if (open) CloseClipboard();
    });
    isOpen.wait();
}

ClipboardHolder::~ClipboardHolder() { holding_.wait(); }

} // namespace sahifex::testing::win32
