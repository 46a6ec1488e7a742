#include "platform/wayland/portal_key_route.h"

#include <QSaveFile>
#include <QTimer>

#include <cstdio>
#include <fstream>

namespace sahifex::platform::wayland {

namespace {

constexpr uint32_t kConsentRemembered = 2; // the first version with a restore token

std::string readToken(const std::filesystem::path& file) {
    std::string token;
    if (file.empty()) return token;
    std::ifstream in(file);
    std::getline(in, token);
    return token;
}

void keepToken(const std::filesystem::path& file, const QString& token) {
    if (file.empty() || token.isEmpty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly) || out.write(token.toUtf8() + '\n') < 0 || !out.commit())
        std::fprintf(stderr, "sahifex: the desktop's consent to the paste keys cannot be kept in %s\n",
                     file.c_str());
}

} // namespace

std::unique_ptr<KeyRoute> portalRouteBefore(std::unique_ptr<KeyRoute> next, PortalConsent consent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return next;
    return std::make_unique<PortalKeyRoute>(bus, std::move(consent), std::move(next));
}

PortalKeyRoute::PortalKeyRoute(QDBusConnection bus, PortalConsent consent,
                               std::unique_ptr<KeyRoute> next, PortalBounds bounds)
    : portal_(std::move(bus), bounds), consent_(std::move(consent)), next_(std::move(next)) {
    name_ = "the RemoteDesktop portal";
    if (next_) name_ += std::string(" (else ") + next_->name() + ")";
    // The session starts with the program, while its window is in front: our sentence and
    // the desktop's dialog then come before any paste, never between the hidden window
    // and the keys.
    QTimer::singleShot(0, &portal_, [this] {
        startingWithProgram_ = true;
        prepare();
        startingWithProgram_ = false;
    });
}

PortalKeyRoute::Choice PortalKeyRoute::choose() {
    if (refused_) return Choice::Refused;
    if (portalUnavailable_) return Choice::Next;
    const uint32_t version = portal_.version();
    if (version == 0) {
        portalUnavailable_ = true;
        return Choice::Next;
    }
    // A portal that asks at each start serves only where nothing else reaches the editor.
    if (version < kConsentRemembered && next_ && next_->reachesWaylandPrograms())
        return Choice::Next;
    return Choice::Portal;
}

bool PortalKeyRoute::startPortal() {
    const bool remembers = portal_.version() >= kConsentRemembered;
    const std::string kept = remembers ? readToken(consent_.tokenFile) : std::string();
    // Without a kept consent the desktop shows its dialog: the person hears why first.
    // The start comes once in a run: granted, refused or unanswered, it is not asked again.
    auto explain = [&] {
        if (!kept.empty()) return;
        askedNow_ = true;
        if (consent_.explain) consent_.explain();
    };
    QString token;
    switch (portal_.start(QString::fromStdString(kept), explain, token)) {
    case RemoteDesktopPortal::Outcome::Granted:
        if (remembers) keepToken(consent_.tokenFile, token);
        // A new remote session may lose its first key: a lone Control, harmless, takes that.
        portal_.keys({{keys::kLeftControl, true}, {keys::kLeftControl, false}});
        return true;
    case RemoteDesktopPortal::Outcome::Refused:
        refused_ = true;
        std::fprintf(stderr, "sahifex: the paste keys were refused by the desktop: each verse is "
                             "left on the clipboard\n");
        return false;
    case RemoteDesktopPortal::Outcome::NoAnswer:
        break;
    }
    portalUnavailable_ = true;
    std::fprintf(stderr, "sahifex: the RemoteDesktop portal did not answer%s\n",
                 next_ ? ": the paste keys go by the next route" : "");
    return false;
}

bool PortalKeyRoute::prepare() {
    if (preparing_) return false; // a paste while the first one waits for the consent
    preparing_ = true;
    askedNow_ = false;
    bool ready = false;
    for (bool decided = false; !decided;) {
        decided = true;
        switch (choose()) {
        case Choice::Refused:
            break;
        case Choice::Next:
            ready = next_ && next_->prepare();
            break;
        case Choice::Portal:
            if (portal_.closedByDesktop()) {
                refused_ = true; // the person stopped the session
            } else if (portal_.started() || startPortal()) {
                // Asked in the middle of a paste (a paste came before the start with the
                // program was over), the focus moved to and fro: keys now could reach the
                // editor without their Control. This verse stays on the clipboard.
                ready = !askedNow_ || startingWithProgram_;
            } else {
                decided = false; // refused, or the next route when it did not answer
            }
        }
    }
    preparing_ = false;
    return ready;
}

bool PortalKeyRoute::pressWithControl(uint32_t key) {
    if (!prepare()) return false;
    if (choose() != Choice::Portal) return next_->pressWithControl(key);
    return portal_.keys(
        {{keys::kLeftControl, true}, {key, true}, {key, false}, {keys::kLeftControl, false}});
}

} // namespace sahifex::platform::wayland
