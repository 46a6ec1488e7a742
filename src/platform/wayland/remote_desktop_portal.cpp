#include "platform/wayland/remote_desktop_portal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace sahifex::platform::wayland {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRemoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
constexpr uint32_t kKeyboard = 1;       // the device types to choose
constexpr uint32_t kPersistUntilRevoked = 2;

QDBusMessage portalCall(const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, interface, method);
}

} // namespace

RemoteDesktopPortal::RemoteDesktopPortal(QDBusConnection bus, PortalBounds bounds)
    : bus_(std::move(bus)), bounds_(bounds) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({kRemoteDesktop, QStringLiteral("version")});
    auto* watcher = new QDBusPendingCallWatcher(
        bus_.asyncCall(get, static_cast<int>(bounds_.answer.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError()) version_ = reply.value().variant().toUInt();
        versionKnown_ = true;
        call->deleteLater();
        if (wake_) wake_();
    });
}

RemoteDesktopPortal::~RemoteDesktopPortal() {
    if (session_.isEmpty()) return;
    bus_.send(QDBusMessage::createMethodCall(kService, session_, kSession, QStringLiteral("Close")));
}

bool RemoteDesktopPortal::waitFor(const std::function<bool()>& done,
                                  std::chrono::milliseconds bound) {
    if (done()) return true;
    QEventLoop loop;
    QTimer timeUp;
    timeUp.setSingleShot(true);
    QObject::connect(&timeUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    wake_ = [&] {
        if (done()) loop.quit();
    };
    timeUp.start(static_cast<int>(bound.count()));
    loop.exec();
    wake_ = nullptr;
    return done();
}

uint32_t RemoteDesktopPortal::version() {
    // A portal that has not answered by now counts as none, for the program's life.
    if (!waitFor([this] { return versionKnown_; }, bounds_.answer)) versionKnown_ = true;
    return version_;
}

// Unique in the process: a request's object is named after the token and the bus name.
QString RemoteDesktopPortal::nextToken() {
    static int tokens = 0;
    return QStringLiteral("sahifex%1").arg(++tokens);
}

RemoteDesktopPortal::Answer RemoteDesktopPortal::request(const QString& method,
                                                         QList<QVariant> args,
                                                         QVariantMap options,
                                                         std::chrono::milliseconds bound) {
    // The portal answers on a request object named after our bus name and the token; it
    // is listened to before the call, so that no early answer is missed.
    const QString token = nextToken();
    options.insert(QStringLiteral("handle_token"), token);
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    const char* slot = SLOT(onResponse(uint,QVariantMap));
    bus_.connect(kService, expected, kRequest, QStringLiteral("Response"), this, slot);
    awaitedRequest_ = expected;
    answer_.reset();

    QDBusMessage call = portalCall(kRemoteDesktop, method);
    args.append(options);
    call.setArguments(args);
    bool failed = false;
    QString handle; // an older portal may answer on another object
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, static_cast<int>(bound.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [&, this](QDBusPendingCallWatcher* pending) {
        const QDBusPendingReply<QDBusObjectPath> reply = *pending;
        if (reply.isError()) {
            failed = true;
        } else if (reply.value().path() != expected && !answer_) {
            handle = reply.value().path();
            bus_.connect(kService, handle, kRequest, QStringLiteral("Response"), this, slot);
        }
        if (wake_) wake_();
    });
    waitFor([&] { return failed || answer_ != nullptr; }, bound);
    delete watcher; // its captures end here
    bus_.disconnect(kService, expected, kRequest, QStringLiteral("Response"), this, slot);
    if (!handle.isEmpty())
        bus_.disconnect(kService, handle, kRequest, QStringLiteral("Response"), this, slot);
    awaitedRequest_.clear();
    Answer answer = answer_ ? std::move(*answer_) : Answer{};
    answer_.reset();
    return answer;
}

void RemoteDesktopPortal::onResponse(uint code, const QVariantMap& results) {
    if (awaitedRequest_.isEmpty() || answer_) return;
    answer_ = std::make_unique<Answer>(Answer{code == 0 ? Outcome::Granted : Outcome::Refused, results});
    if (wake_) wake_();
}

void RemoteDesktopPortal::onSessionClosed() {
    started_ = false;
    closedByDesktop_ = true;
}

RemoteDesktopPortal::Outcome RemoteDesktopPortal::start(const QString& restoreToken,
                                                        const std::function<void()>& beforeStart,
                                                        QString& newToken) {
    if (session_.isEmpty()) {
        const QVariantMap sessionOptions{{QStringLiteral("session_handle_token"), nextToken()}};
        const Answer made = request(QStringLiteral("CreateSession"), {}, sessionOptions, bounds_.answer);
        if (made.outcome != Outcome::Granted) return made.outcome;
        session_ = made.results.value(QStringLiteral("session_handle")).toString();
        if (session_.isEmpty()) return Outcome::NoAnswer;
        bus_.connect(kService, session_, kSession, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed()));

        QVariantMap devices{{QStringLiteral("types"), kKeyboard}};
        if (version_ >= 2) {
            devices.insert(QStringLiteral("persist_mode"), kPersistUntilRevoked);
            if (!restoreToken.isEmpty()) devices.insert(QStringLiteral("restore_token"), restoreToken);
        }
        const QList<QVariant> onSession{QVariant::fromValue(QDBusObjectPath(session_))};
        const Answer chosen = request(QStringLiteral("SelectDevices"), onSession, devices, bounds_.answer);
        if (chosen.outcome != Outcome::Granted) return chosen.outcome;
    }
    if (beforeStart) beforeStart();
    const QList<QVariant> startArgs{QVariant::fromValue(QDBusObjectPath(session_)), QString()};
    const Answer started = request(QStringLiteral("Start"), startArgs, {}, bounds_.consent);
    if (started.outcome == Outcome::Granted) {
        started_ = true;
        newToken = started.results.value(QStringLiteral("restore_token")).toString();
    }
    return started.outcome;
}

QDBusMessage RemoteDesktopPortal::keyCall(const KeyEvent& event) const {
    QDBusMessage call = portalCall(kRemoteDesktop, QStringLiteral("NotifyKeyboardKeycode"));
    call.setArguments({QVariant::fromValue(QDBusObjectPath(session_)), QVariantMap(),
                       static_cast<int>(event.code), static_cast<uint>(event.pressed ? 1 : 0)});
    return call;
}

bool RemoteDesktopPortal::keys(const std::vector<KeyEvent>& events) {
    // Each answer is awaited without serving other events: the editor's fetch of the text,
    // which the V may bring at once, is the paste's to count after the keys.
    // A key counts as held from its press on until its release was taken: a key left down
    // would repeat in the editor.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + bounds_.keys;
    std::vector<uint32_t> held;
    for (const KeyEvent& event : events) {
        if (event.pressed) held.push_back(event.code);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const QDBusMessage answer = bus_.call(keyCall(event), QDBus::Block,
                                              static_cast<int>(std::max<int64_t>(left.count(), 1)));
        if (answer.type() != QDBusMessage::ReplyMessage) {
            for (auto code = held.rbegin(); code != held.rend(); ++code)
                bus_.send(keyCall({*code, false}));
            return false;
        }
        if (!event.pressed) std::erase(held, event.code);
    }
    return true;
}

} // namespace sahifex::platform::wayland
