#pragma once
// A subscription to a control's changes: the observer stays registered as long as the
// subscription lives, and is removed when it is destroyed or reset. It may outlive the
// control it observes.

#include <functional>
#include <memory>
#include <utility>

namespace sahifex::forms {

class [[nodiscard]] Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    ~Subscription() { reset(); }
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    void reset() {
        if (auto cancel = std::exchange(cancel_, {})) cancel();
    }

private:
    std::function<void()> cancel_;
};

} // namespace sahifex::forms
