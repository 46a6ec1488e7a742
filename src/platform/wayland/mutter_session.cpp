#include "platform/wayland/mutter_session.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>

#include <cstdio>

namespace sahifex::platform::wayland {

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString kRootPath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop");
const QString kSessionInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
// The bus daemon answers at once; this only bounds a bus that hangs.
constexpr int kBusAnswerLimitMs = 300;
// KEY_RESERVED (linux/input-event-codes.h): no key of any layout, taken by no program.
constexpr uint32_t kNoKey = 0;

QDBusMessage errorReply(const std::string& why) {
    return QDBusMessage::createError(QDBusError::Failed, QString::fromStdString(why));
}

std::string errorText(const QDBusMessage& reply) { return reply.errorMessage().toStdString(); }

} // namespace

std::string MutterSession::whyNotOffered() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return "there is no session bus to find mutter's remote desktop on";
    QDBusMessage ask = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner");
    ask.setArguments({kService});
    const QDBusMessage answer = bus.call(ask, QDBus::Block, kBusAnswerLimitMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return "the session bus did not say whether mutter's remote desktop is there";
    if (!answer.arguments().front().toBool())
        return "mutter's remote desktop (org.gnome.Mutter.RemoteDesktop) is not on the session bus";
    return {};
}

std::shared_ptr<MutterSession> MutterSession::start() {
    std::shared_ptr<MutterSession> session(new MutterSession);
    session->create();
    return session;
}

MutterSession::~MutterSession() { stop(); }

void MutterSession::create() {
    state_ = State::Starting;
    problem_.clear();
    const int generation = ++generation_;
    callNow(kRootPath, kService, "CreateSession", {}, this,
            [this, generation](const QDBusMessage& reply) {
                if (generation == generation_) created(reply);
            });
}

// The session would end with the program's bus connection anyway; a test makes many.
void MutterSession::stop() {
    if (path_.isEmpty()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.asyncCall(QDBusMessage::createMethodCall(kService, path_, kSessionInterface, "Stop"));
    bus.disconnect(kService, path_, kSessionInterface, "SelectionOwnerChanged", this,
                   SLOT(selectionOwnerChanged(QVariantMap)));
    bus.disconnect(kService, path_, kSessionInterface, "SelectionTransfer", this,
                   SLOT(selectionTransfer(QString, uint)));
    bus.disconnect(kService, path_, kSessionInterface, "Closed", this, SLOT(closed()));
    path_.clear();
}

bool MutterSession::ready() {
    if (state_ == State::Failed) {
        // mutter may have been slow for a while only: asked again, in the background.
        stop();
        create();
    }
    return state_ == State::Ready;
}

void MutterSession::callNow(const QString& path, const QString& interface, const QString& method,
                            const QVariantList& arguments, QObject* context, Answered answered) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, kAnswerLimitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
    if (answered && context)
        connect(watcher, &QDBusPendingCallWatcher::finished, context,
                [answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                    answered(done->reply());
                });
}

void MutterSession::call(const QString& method, const QVariantList& arguments, QObject* context,
                         Answered answered) {
    switch (state_) {
    case State::Ready:
        callNow(path_, kSessionInterface, method, arguments, context, std::move(answered));
        break;
    case State::Starting:
        waiting_.push_back({method, arguments, context, std::move(answered)});
        break;
    case State::Failed:
        if (answered && context) answered(errorReply(problem_));
        break;
    }
}

void MutterSession::created(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        fail("mutter's remote desktop made no session: " + errorText(reply));
        return;
    }
    path_ = reply.arguments().front().value<QDBusObjectPath>().path();
    // Listened to before the start, so that no change of the clipboard is missed.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, path_, kSessionInterface, "SelectionOwnerChanged", this,
                SLOT(selectionOwnerChanged(QVariantMap)));
    bus.connect(kService, path_, kSessionInterface, "SelectionTransfer", this,
                SLOT(selectionTransfer(QString, uint)));
    bus.connect(kService, path_, kSessionInterface, "Closed", this, SLOT(closed()));
    const int generation = generation_;
    callNow(path_, kSessionInterface, "Start", {}, this,
            [this, generation](const QDBusMessage& reply) {
                if (generation == generation_) started(reply);
            });
}

void MutterSession::started(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage) {
        fail("mutter did not start the remote desktop session: " + errorText(reply));
        return;
    }
    const int generation = generation_;
    callNow(path_, kSessionInterface, "EnableClipboard", {QVariantMap()}, this,
            [this, generation](const QDBusMessage& reply) {
                if (generation != generation_) return;
                if (reply.type() != QDBusMessage::ReplyMessage) {
                    fail("mutter did not share its clipboard: " + errorText(reply));
                    return;
                }
                state_ = State::Ready;
                // mutter drops the first key of a new session: one that is no key goes
                // first.
                for (const bool pressed : {true, false})
                    callNow(path_, kSessionInterface, "NotifyKeyboardKeycode",
                            {kNoKey, pressed}, nullptr, nullptr);
                for (Call& waiting : std::exchange(waiting_, {}))
                    callNow(path_, kSessionInterface, waiting.method, waiting.arguments,
                            waiting.context, std::move(waiting.answered));
                if (onReady) onReady();
            });
}

void MutterSession::fail(const std::string& problem) {
    if (state_ == State::Failed) return;
    state_ = State::Failed;
    problem_ = problem;
    std::fprintf(stderr, "sahifex: on GNOME: %s\n", problem.c_str());
    for (Call& waiting : std::exchange(waiting_, {}))
        if (waiting.answered && waiting.context) waiting.answered(errorReply(problem));
}

void MutterSession::selectionOwnerChanged(const QVariantMap& options) {
    if (onSelectionOwnerChanged) onSelectionOwnerChanged(options);
}

void MutterSession::selectionTransfer(const QString& mimeType, uint serial) {
    if (onSelectionTransfer) onSelectionTransfer(mimeType, serial);
}

void MutterSession::closed() { fail("mutter closed the remote desktop session"); }

} // namespace sahifex::platform::wayland
