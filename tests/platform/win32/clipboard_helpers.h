#pragma once
// Another program's side of the clipboard, played by a second thread: Windows treats
// it as a separate client (our promise is rendered for it by a sent message).

#include <chrono>
#include <functional>
#include <future>
#include <string>

#include "notepad.h"

namespace sahifex::testing::win32 {

// Runs work on another thread while this one serves the messages sent to it.
template <class Result>
Result onAnotherThread(std::function<Result()> work) {
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        pumpMessagesFor(10);
    return result.get();
}

// What another program reads from the clipboard ("" when it holds no text).
std::u16string readAsAnotherProgram();
// Another program copies text.
void copyAsAnotherProgram(const std::u16string& text);

// Another program holds the clipboard open for a while, from now on.
class ClipboardHolder {
public:
    explicit ClipboardHolder(std::chrono::milliseconds howLong);
    ~ClipboardHolder();

private:
    std::future<void> holding_;
};

} // namespace sahifex::testing::win32
