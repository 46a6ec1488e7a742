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
};

} // namespace sahifex::app
