#pragma once
// The two values that both windows share for the whole run.

#include <cstdint>
#include <string>

namespace sahifex::app {

struct ProgramState {
    // The clipboard text that the watcher saw last.
    std::u16string LastClipText;
    // Which of the two pictures the watcher shows next in the bar's Searching image:
    // 0 shows Onn next, -1 shows Off next.
    int16_t BlinkPhase = 0;
    // The text that the program itself last put on the clipboard (a sent verse), which
    // the watcher treats as already seen; "" once the clipboard has held another text.
    std::u16string OwnClipText;
};

} // namespace sahifex::app
