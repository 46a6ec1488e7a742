#include "platform/qt/paste_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace sahifex::platform::qt {

void PasteWait::textRequested() {
    policy_.textRequested();
    recheck();
}

void PasteWait::clipboardLost() {
    policy_.clipboardLost();
    recheck();
}

// Whenever the policy's state changes, or its time is up, the wait is checked again.
void PasteWait::recheck() {
    if (!quit_) return; // before the keys, or after the wait
    policy_.checkTime();
    if (policy_.done())
        quit_();
    else
        wakeIn_(static_cast<int>(policy_.remaining().count()));
}

bool PasteWait::run(const std::function<bool()>& sendKeys) {
    if (!sendKeys()) return false;
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    QObject::connect(&wake, &QTimer::timeout, &loop, [this] { recheck(); });
    quit_ = [&loop] { loop.quit(); };
    wakeIn_ = [&wake](int ms) { wake.start(ms); };
    policy_.keysSent();
    recheck();
    if (!policy_.done()) loop.exec();
    quit_ = nullptr;
    wakeIn_ = nullptr;
    return policy_.fetched();
}

} // namespace sahifex::platform::qt
