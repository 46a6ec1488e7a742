#include "platform/wayland/mutter_key_route.h"

namespace sahifex::platform::wayland {

namespace {

class MutterKeyRoute : public KeyRoute {
public:
    explicit MutterKeyRoute(std::shared_ptr<MutterSession> session)
        : session_(std::move(session)) {}
    const char* name() const override { return "org.gnome.Mutter.RemoteDesktop"; }
    // Sent in order on the bus, without waiting for mutter's answers; false while the
    // session is not there to take them.
    bool pressWithControl(uint32_t key) override {
        if (!session_->ready()) return false;
        const std::pair<uint32_t, bool> presses[] = {
            {keys::kLeftControl, true}, {key, true}, {key, false}, {keys::kLeftControl, false}};
        for (const auto& [code, pressed] : presses)
            session_->call("NotifyKeyboardKeycode", {code, pressed});
        return true;
    }

private:
    std::shared_ptr<MutterSession> session_;
};

} // namespace

std::unique_ptr<KeyRoute> mutterKeyRoute(std::shared_ptr<MutterSession> session) {
    return std::make_unique<MutterKeyRoute>(std::move(session));
}

} // namespace sahifex::platform::wayland
