#include "platform/fake/fake_system.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/timer.h"
#include "store/utf.h"

namespace sahifex::platform::fake {

FakeSystem::FakeSystem() = default;

Services FakeSystem::services(std::filesystem::path programDir) {
    return Services{*this, *this, *this, *this, *this, *this,
                    *this, *this, *this, *this, *this, std::move(programDir)};
}

Services FakeSystem::servicesMeasuredBy(forms::TextMetrics& metrics,
                                        std::filesystem::path programDir) {
    return Services{*this, *this, *this, *this, *this, metrics,
                    *this, *this, *this, *this, *this, std::move(programDir)};
}

Services FakeSystem::servicesWith(Keystrokes& keystrokes, std::filesystem::path programDir) {
    return Services{*this, keystrokes, *this, *this, *this, *this,
                    *this, *this, *this, *this, *this, std::move(programDir)};
}

Services FakeSystem::servicesWith(KeyboardLayouts& layouts, std::filesystem::path programDir) {
    return Services{*this, *this, layouts, *this, *this, *this,
                    *this, *this, *this, *this, *this, std::move(programDir)};
}

Services FakeSystem::keyboardOn(const Services& others) {
    return Services{others.clipboard, *this,          *this,
                    others.topmost,   others.messages, others.metrics,
                    others.loop,      others.screen,   *this,
                    others.foregroundWindow, others.singleInstance, others.programDir};
}

std::string FakeSystem::logLine() const {
    std::string out;
    for (const auto& line : log) {
        if (!out.empty()) out += " | ";
        out += line;
    }
    return out;
}

void FakeSystem::clear() {
    log.push_back("clear");
    clipboardText.clear();
    ++clipboardChanges_;
}

void FakeSystem::userCopies(std::u16string text) {
    clipboardText = std::move(text);
    ++clipboardChanges_;
    clipboardChangePending_ = true;
}

void FakeSystem::lateAnswer(std::u16string text) {
    clipboardText = std::move(text);
    countedText_ = clipboardText;
    clipboardChangePending_ = true;
}

std::uint64_t FakeSystem::changeCount() {
    if (clipboardText != countedText_) {
        countedText_ = clipboardText;
        ++clipboardChanges_;
    }
    return clipboardChanges_;
}

bool FakeSystem::setText(const std::u16string& text) {
    if (!clipboardWritable) {
        log.push_back("set failed");
        return false;
    }
    log.push_back("set:" + store::toUtf8(text));
    clipboardText = text;
    ++clipboardChanges_;
    return true;
}

std::u16string FakeSystem::text() {
    ++clipboardReads;
    return isTooLongClipboardText(clipboardText) ? tooLongClipboardText() : clipboardText;
}

bool FakeSystem::sendKeysAndWait(const std::string& keys) {
    log.push_back(keys);
    if (atKeys) atKeys();
    if (!editorFetches) return false;
    pasted.push_back(clipboardText);
    return true;
}

std::string FakeSystem::activeLayoutName() { return activeLayout; }

void FakeSystem::loadAndActivate(const std::string& id) {
    log.push_back("layout:" + id);
    if (installedLayouts.count(id)) activeLayout = id;
}

void FakeSystem::makeTopmost(forms::Form& window) { log.push_back("topmost:" + window.name()); }

void FakeSystem::showOk(const std::u16string& text, const std::u16string& title) {
    std::string line = "message:" + store::toUtf8(text);
    if (!title.empty()) line += '|' + store::toUtf8(title);
    log.push_back(std::move(line));
}

bool FakeSystem::askOkCancel(const std::u16string& text, const std::u16string& title) {
    bool ok = true;
    if (!okCancelAnswers.empty()) {
        ok = okCancelAnswers.front();
        okCancelAnswers.pop_front();
    }
    log.push_back("ask:" + store::toUtf8(text) + "|" + store::toUtf8(title) +
                  (ok ? " -> OK" : " -> Cancel"));
    return ok;
}

namespace {
int charWidth(int fontPoints) { return std::max(1, 120 * fontPoints / 10); }
} // namespace

int FakeSystem::wrappedTextHeight(const std::u16string& text, int widthTwips,
                                  int fontPoints) const {
    const int perChar = charWidth(fontPoints);
    const int lineHeight = 300 * fontPoints / 10;
    const int perLine = std::max(1, widthTwips / perChar);
    const int chars = static_cast<int>(text.size());
    const int lines = std::max(1, (chars + perLine - 1) / perLine);
    return lines * lineHeight;
}

int FakeSystem::lineWidth(const std::u16string& text, int fontPoints) const {
    return static_cast<int>(text.size()) * charWidth(fontPoints);
}

void FakeSystem::tellClipboardChange() {
    if (!clipboardChangePending_) return;
    clipboardChangePending_ = false;
    notifyChanged();
}

void FakeSystem::yield() {
    ++yields;
    tellClipboardChange();
    auto [first, last] = yieldActions_.equal_range(yields);
    std::vector<std::function<void()>> due;
    for (auto it = first; it != last; ++it) due.push_back(it->second);
    yieldActions_.erase(first, last);
    for (auto& fn : due) fn();
    if (onEveryYield) onEveryYield();
}

void FakeSystem::attach(forms::Timer& timer) {
    timers_.push_back({&timer, nowMs + timer.interval()});
    timerSubscriptions_.push_back(timer.observe([this](forms::Control& c, forms::Change change) {
        if (change != forms::Change::Interval) return;
        for (auto& slot : timers_)
            if (slot.timer == &c) slot.dueMs = nowMs + slot.timer->interval();
    }));
}

bool FakeSystem::setEnabled(bool enabled) {
    if (!autostartWritable) {
        log.push_back("autostart failed");
        return false;
    }
    log.push_back(enabled ? "autostart:on" : "autostart:off");
    return true;
}

void FakeSystem::exitNow() {
    log.push_back("exit");
    exited = true;
}

void FakeSystem::atYield(int number, std::function<void()> fn) {
    yieldActions_.emplace(number, std::move(fn));
}

void FakeSystem::advance(int ms) {
    const long long end = nowMs + ms;
    tellClipboardChange();
    for (;;) {
        // The next running timer that falls due before the end.
        TimerSlot* next = nullptr;
        for (auto& slot : timers_) {
            if (!slot.timer->running() || slot.dueMs > end) continue;
            if (!next || slot.dueMs < next->dueMs) next = &slot;
        }
        if (!next) break;
        nowMs = std::max(nowMs, next->dueMs);
        next->dueMs = nowMs + next->timer->interval();
        next->timer->fire();
    }
    nowMs = end;
}

int FakeSystem::run() {
    log.push_back("run");
    return 0;
}

void FakeSystem::remember() { log.push_back("remember"); }

void FakeSystem::handBack() { log.push_back("hand back"); }

} // namespace sahifex::platform::fake
