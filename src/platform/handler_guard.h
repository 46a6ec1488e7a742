#pragma once
// Handlers run from the event delivery of the toolkit or of the system, which must never
// see an exception: a failure that a handler does not handle itself ends that handler
// only, with a note on stderr.

#include <cstdio>
#include <exception>
#include <utility>

namespace sahifex::platform {

template <class Handler>
void runHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "sahifex: %s\n", failure.what());
    } catch (...) {
        std::fprintf(stderr, "sahifex: a handler failed\n");
    }
}

} // namespace sahifex::platform
