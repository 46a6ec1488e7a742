#pragma once
// The desktop's RemoteDesktop portal (org.freedesktop.portal.RemoteDesktop) on the session
// bus: one session for the program's life that presses keys by their key codes. Every
// portal call is a request answered later by a Response signal; each is awaited on a
// nested event loop with a bound, so the program keeps answering whatever the portal
// does, and a portal that never answers only makes its keys unavailable.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace sahifex::platform::wayland {

// How long the portal may take to answer.
struct PortalBounds {
    // A call the desktop answers by itself (the version, a session made, devices chosen).
    std::chrono::milliseconds answer{3000};
    // The session's start, which may wait for the person to answer the desktop's dialog.
    std::chrono::milliseconds consent{std::chrono::minutes(2)};
    // The keys of one press taken, one by one: the program waits for them without serving
    // anything else, so no longer than this (what is not taken by then ends the keys).
    std::chrono::milliseconds keys{300};
};

class RemoteDesktopPortal : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Granted, Refused, NoAnswer };

    // Starts reading the portal's version at once, so that it is known by the first paste.
    RemoteDesktopPortal(QDBusConnection bus, PortalBounds bounds);
    ~RemoteDesktopPortal() override;

    // The portal's RemoteDesktop version; 0 when it offers none or does not answer.
    // Waits (bounded) when the answer has not come yet.
    uint32_t version();

    // Makes the session and chooses the keyboard. restoreToken: the consent kept from an
    // earlier start ("" for none; used where the version is 2 or more). beforeStart runs
    // right before the start, which may show the desktop's dialog. On Granted, newToken
    // holds the token that remembers this consent ("" when the portal gave none).
    Outcome start(const QString& restoreToken, const std::function<void()>& beforeStart,
                  QString& newToken);
    // Whether a granted session is open (the desktop may close it: the person stopped it).
    bool started() const { return started_; }
    bool closedByDesktop() const { return closedByDesktop_; }

    // A key (its Linux input key code) pressed or released.
    struct KeyEvent {
        uint32_t code;
        bool pressed;
    };
    // Sends the events in their order, each once the portal has taken the one before: a
    // portal may handle calls side by side (xdg-desktop-portal answers each in a thread of
    // its own), and a V that overtook its Control would type a "v". False when one was not
    // taken within the bound; the keys still held are then released.
    bool keys(const std::vector<KeyEvent>& events);

private slots:
    void onResponse(uint code, const QVariantMap& results);
    void onSessionClosed();

private:
    struct Answer {
        Outcome outcome = Outcome::NoAnswer;
        QVariantMap results;
    };
    // Calls method with args (the options last, a handle token added to them) and waits
    // until its Response comes or the bound is over.
    Answer request(const QString& method, QList<QVariant> args, QVariantMap options,
                   std::chrono::milliseconds bound);
    bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds bound);
    QDBusMessage keyCall(const KeyEvent& event) const;
    QString nextToken();

    QDBusConnection bus_;
    PortalBounds bounds_;
    bool versionKnown_ = false;
    uint32_t version_ = 0;
    QString session_; // the session's object path, once made
    bool started_ = false;
    bool closedByDesktop_ = false;
    // The request now awaited, and its answer once it came.
    QString awaitedRequest_;
    std::unique_ptr<Answer> answer_;
    std::function<void()> wake_;
};

} // namespace sahifex::platform::wayland
