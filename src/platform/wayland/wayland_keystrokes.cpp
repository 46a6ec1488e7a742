#include "platform/wayland/wayland_keystrokes.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace sahifex::platform::wayland {

namespace {

// However often the editor keeps fetching, the wait ends here.
constexpr int kFetchWaitCapMs = 3000;

} // namespace

WaylandKeystrokes::WaylandKeystrokes(WaylandClipboard& clipboard, ForegroundWindow& foreground,
                                     std::unique_ptr<KeyRoute> route)
    : clipboard_(clipboard), foreground_(foreground), route_(std::move(route)) {}

void WaylandKeystrokes::setWaitLimits(int firstFetchMs, int quietMs) {
    firstFetchMs_ = firstFetchMs;
    quietMs_ = quietMs;
}

bool WaylandKeystrokes::sendKeysAndWait(const std::string& keys) {
    lastFetchDelayMs_ = -1;
    if (keys != "^v" || !clipboard_.holdsOwnText()) return false;
    foreground_.handBack();

    QEventLoop loop;
    QTimer firstFetch, quiet, cap;
    for (QTimer* timer : {&firstFetch, &quiet, &cap}) {
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    }
    QElapsedTimer sinceKeys;
    bool fetched = false;
    clipboard_.onTextFetched = [&] {
        if (!fetched) lastFetchDelayMs_ = sinceKeys.nsecsElapsed() / 1e6;
        fetched = true;
        firstFetch.stop();
        quiet.start(quietMs_);
    };
    // Another program that takes the clipboard before the editor's fetch would have its
    // text pasted: the paste has failed. After the fetch there is nothing left to serve.
    clipboard_.onOwnTextLost = [&] { loop.quit(); };
    sinceKeys.start();
    if (route_->pressControlV()) {
        firstFetch.start(firstFetchMs_);
        cap.start(kFetchWaitCapMs);
        loop.exec();
    }
    clipboard_.onTextFetched = nullptr;
    clipboard_.onOwnTextLost = nullptr;
    return fetched;
}

} // namespace sahifex::platform::wayland
