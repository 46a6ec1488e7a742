#include "platform/wayland/wayland_keystrokes.h"

#include <QEventLoop>
#include <QTimer>

#include "platform/paste_policy.h"

namespace sahifex::platform::wayland {

WaylandKeystrokes::WaylandKeystrokes(WaylandClipboard& clipboard, ForegroundWindow& foreground,
                                     std::unique_ptr<KeyRoute> route)
    : clipboard_(clipboard), foreground_(foreground), route_(std::move(route)) {}

bool WaylandKeystrokes::sendKeysAndWait(const std::string& keys) {
    lastFetchDelayMs_ = -1;
    if (keys != "^v") return false;
    foreground_.handBack();

    PastePolicy policy;
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    // Whenever the policy's state changes, or its time is up, the wait is checked again.
    auto recheck = [&] {
        policy.checkTime();
        if (policy.done())
            loop.quit();
        else
            wake.start(static_cast<int>(policy.remaining().count()));
    };
    QObject::connect(&wake, &QTimer::timeout, &loop, recheck);
    clipboard_.onTextFetched = [&] {
        policy.textRequested();
        recheck();
    };
    clipboard_.onOwnTextLost = [&] {
        policy.clipboardLost();
        recheck();
    };
    // Checked right before the keys: another program that took the clipboard since it was
    // set would have its text pasted in place of ours.
    const bool sent = clipboard_.holdsOwnText() && route_->pressControlV();
    if (sent) {
        policy.keysSent();
        recheck();
        if (!policy.done()) loop.exec();
        lastFetchDelayMs_ = policy.firstRequestDelay().count();
    }
    clipboard_.onTextFetched = nullptr;
    clipboard_.onOwnTextLost = nullptr;
    return sent && policy.fetched();
}

} // namespace sahifex::platform::wayland
