#pragma once
// The paste keys by the desktop's RemoteDesktop portal, placed among the other key routes
// by what the portal asks of the person: from version 2 on it remembers the consent (a
// restore token, kept in a file), so it comes before the desktop's own routes; a version 1
// portal asks at each start of the program, so it serves only where no other route
// reaches native programs. The session starts with the program, after the program has
// said why it asks; a refusal is kept for the program's life (no keys by any route: the
// person said no), a portal that does not answer leaves the keys to the next route.

#include <QDBusConnection>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/wayland/key_routes.h"
#include "platform/wayland/remote_desktop_portal.h"

namespace sahifex::platform::wayland {

// What the portal's consent needs from the program.
struct PortalConsent {
    // Where the consent is remembered between runs; empty: it is not kept.
    std::filesystem::path tokenFile;
    // Says why the program asks, right before the desktop may show its dialog.
    std::function<void()> explain;
};

// The sentence that explains the request.
inline constexpr const char16_t* kWhyPasteKeys =
    u"لكي يلصق البرنامج الآيات في المستند الذي تكتب فيه يحتاج إلى إذنك بضغط Ctrl+V، "
    u"وسيطلب سطح المكتب هذا الإذن الآن.";

// The portal before next where the session bus can be reached, else next alone.
std::unique_ptr<KeyRoute> portalRouteBefore(std::unique_ptr<KeyRoute> next, PortalConsent consent);

class PortalKeyRoute : public KeyRoute {
public:
    // next: the route that serves where the portal does not (may be null).
    PortalKeyRoute(QDBusConnection bus, PortalConsent consent, std::unique_ptr<KeyRoute> next,
                   PortalBounds bounds = {});

    const char* name() const override { return name_.c_str(); }
    bool prepare() override;
    bool pressWithControl(uint32_t key) override;
    bool byKeyCodes() const override { return !next_ || next_->byKeyCodes(); }
    bool reachesWaylandPrograms() const override { return true; }

private:
    enum class Choice { Portal, Next, Refused };
    Choice choose();
    bool startPortal();

    RemoteDesktopPortal portal_;
    PortalConsent consent_;
    std::unique_ptr<KeyRoute> next_;
    std::string name_;
    bool portalUnavailable_ = false;
    bool refused_ = false;
    bool preparing_ = false;
    bool startingWithProgram_ = false;
    bool askedNow_ = false; // the person was asked in this prepare
};

} // namespace sahifex::platform::wayland
