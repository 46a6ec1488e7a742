#pragma once
// One remote desktop session of mutter (GNOME's compositor), on the session bus, kept for
// the program's life: GNOME offers no Wayland protocol for another program's clipboard or
// keys, but its org.gnome.Mutter.RemoteDesktop session has both. (mutter dropped the first
// key of each new session, and keysyms missing from the active layout: one session, keys
// by key code.)
//
// Nothing here waits for mutter: every call is asynchronous and its answer is given up
// after kAnswerLimitMs, so a mutter that never answers leaves the program answering.

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDBusMessage;

namespace sahifex::platform::wayland {

class MutterSession : public QObject {
    Q_OBJECT

public:
    static constexpr int kAnswerLimitMs = 1000;
    enum class State { Starting, Ready, Failed };

    // Whether mutter's remote desktop is on the session bus; asks the bus itself, not
    // mutter, within a bounded time. "" when it is, else why not.
    static std::string whyNotOffered();
    // Starts making the session (created, started, its clipboard enabled).
    static std::shared_ptr<MutterSession> start();
    ~MutterSession() override;

    State state() const { return state_; }
    // Whether the session is there to take calls now. A failed one is made anew, in the
    // background, for a later call.
    bool ready();
    // Why the session failed; "" while it did not.
    const std::string& problem() const { return problem_; }

    // Calls a method of the session. Calls made while it is starting are sent, in order,
    // once it has started. answered, while context lives, gets mutter's reply, or an
    // error one when there was none in time or the session failed (one that failed takes
    // no calls until ready() made it anew).
    using Answered = std::function<void(const QDBusMessage& reply)>;
    void call(const QString& method, const QVariantList& arguments, QObject* context = nullptr,
              Answered answered = nullptr);

    std::function<void()> onReady;
    std::function<void(const QVariantMap& options)> onSelectionOwnerChanged;
    std::function<void(const QString& mimeType, uint serial)> onSelectionTransfer;

private slots:
    void selectionOwnerChanged(const QVariantMap& options);
    void selectionTransfer(const QString& mimeType, uint serial);
    void closed();

private:
    struct Call {
        QString method;
        QVariantList arguments;
        QPointer<QObject> context;
        Answered answered;
    };
    MutterSession() = default;
    void create();
    void stop();
    void callNow(const QString& path, const QString& interface, const QString& method,
                 const QVariantList& arguments, QObject* context, Answered answered);
    void started(const QDBusMessage& reply);
    void created(const QDBusMessage& reply);
    void fail(const std::string& problem);

    State state_ = State::Starting;
    int generation_ = 0; // numbers the sessions made: answers for an older one are dropped
    std::string problem_;
    QString path_;
    std::vector<Call> waiting_;
};

} // namespace sahifex::platform::wayland
