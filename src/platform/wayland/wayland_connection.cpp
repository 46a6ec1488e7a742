#include "platform/wayland/wayland_connection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>

#include "kde-fake-input.h"
#include "virtual-keyboard-unstable-v1.h"

namespace sahifex::platform::wayland {

namespace {

// The fake input's keyboard keys came with version 4.
constexpr uint32_t kFakeInputKeysVersion = 4;

// A sync's answer: sets the flag it was given.
const wl_callback_listener kAnswered = {[](void* data, wl_callback* callback, uint32_t) {
    *static_cast<bool*>(data) = true;
    wl_callback_destroy(callback);
}};

} // namespace

std::unique_ptr<WaylandConnection> WaylandConnection::open(const std::string& socketName,
                                                           std::string& error,
                                                           int answerLimitMs) {
    wl_display* display = wl_display_connect(socketName.empty() ? nullptr : socketName.c_str());
    if (!display) {
        error = "cannot connect to the Wayland compositor (" +
                std::string(socketName.empty() ? qgetenv("WAYLAND_DISPLAY").constData()
                                               : socketName.c_str()) + ")";
        return nullptr;
    }
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
    // Twice: the globals, then the answers to binding them.
    if (!connection->roundTrip(answerLimitMs) || !connection->roundTrip(answerLimitMs)) {
        error = "the Wayland compositor does not answer";
        return nullptr;
    }
    if (!connection->seat_) {
        error = "the Wayland compositor offers no seat";
        return nullptr;
    }
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display) : display_(display) {
    static const wl_registry_listener listener = {&WaylandConnection::global,
                                                  &WaylandConnection::globalRemoved};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    notifier_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
    QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { readEvents(); });
    // Whatever was asked while handling events goes out before the loop sleeps.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                         [this] { flush(); });
}

WaylandConnection::~WaylandConnection() {
    delete notifier_;
    if (fakeInput_) org_kde_kwin_fake_input_destroy(fakeInput_);
    if (virtualKeyboards_) zwp_virtual_keyboard_manager_v1_destroy(virtualKeyboards_);
    if (dataControl_) destroyManager(dataControl_);
    if (seat_) wl_seat_destroy(seat_);
    if (registry_) wl_registry_destroy(registry_);
    for (auto& [callback, answered] : unanswered_)
        if (!answered) wl_callback_destroy(callback);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
}

void WaylandConnection::global(void* data, wl_registry* registry, uint32_t name,
                               const char* interface, uint32_t version) {
    auto* self = static_cast<WaylandConnection*>(data);
    self->offered_.emplace_back(interface);
    auto bind = [&](const wl_interface* type, uint32_t wanted) {
        return static_cast<wl_proxy*>(
            wl_registry_bind(registry, name, type, std::min(version, wanted)));
    };
    if (!self->seat_ && std::strcmp(interface, wl_seat_interface.name) == 0) {
        self->seat_ = reinterpret_cast<wl_seat*>(bind(&wl_seat_interface, 1));
    } else if (std::strcmp(interface, extDataControl().managerName) == 0) {
        // The newer protocol wins over the older one, whichever came first.
        if (self->dataControlProtocol_ == &extDataControl()) return;
        if (self->dataControl_) destroyManager(self->dataControl_);
        self->dataControl_ = bind(extDataControl().manager, 1);
        self->dataControlProtocol_ = &extDataControl();
    } else if (std::strcmp(interface, wlrDataControl().managerName) == 0) {
        if (self->dataControl_) return;
        self->dataControl_ = bind(wlrDataControl().manager, 1);
        self->dataControlProtocol_ = &wlrDataControl();
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        self->virtualKeyboards_ = reinterpret_cast<zwp_virtual_keyboard_manager_v1*>(
            bind(&zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
               version >= kFakeInputKeysVersion) {
        self->fakeInput_ = reinterpret_cast<org_kde_kwin_fake_input*>(
            bind(&org_kde_kwin_fake_input_interface, kFakeInputKeysVersion));
    }
}

void WaylandConnection::globalRemoved(void*, wl_registry*, uint32_t) {
    // A seat or a manager going away while the program runs: the requests to it fail
    // on the compositor's side, and the paste then reports that nothing was fetched.
}

std::string WaylandConnection::offered() const {
    std::string names;
    for (const auto& name : offered_) names += (names.empty() ? "" : " ") + name;
    return names;
}

void WaylandConnection::flush() {
    if (!alive_) return;
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) checkAlive();
}

void WaylandConnection::readEvents() {
    if (!alive_) return;
    if (wl_display_prepare_read(display_) == 0) {
        if (wl_display_read_events(display_) < 0) {
            checkAlive();
            return;
        }
    }
    if (wl_display_dispatch_pending(display_) < 0) checkAlive();
    flush();
}

void WaylandConnection::checkAlive() {
    if (!alive_ || wl_display_get_error(display_) == 0) return;
    alive_ = false;
    notifier_->setEnabled(false);
    if (onLost) onLost();
}

bool WaylandConnection::roundTrip(int limitMs) {
    if (!alive_) return false;
    bool answered = false;
    wl_callback* callback = wl_display_sync(display_);
    wl_callback_add_listener(callback, &kAnswered, &answered);
    QElapsedTimer elapsed;
    elapsed.start();
    while (!answered && alive_) {
        if (wl_display_dispatch_pending(display_) < 0) break;
        if (answered) break;
        if (wl_display_prepare_read(display_) != 0) continue;
        flush();
        pollfd socket{wl_display_get_fd(display_), POLLIN, 0};
        const int left = limitMs - static_cast<int>(elapsed.elapsed());
        if (left <= 0 || poll(&socket, 1, left) <= 0) {
            wl_display_cancel_read(display_);
            break;
        }
        if (wl_display_read_events(display_) < 0) break;
    }
    checkAlive();
    // A late answer must not write into this frame: it sets a flag kept with the connection.
    if (!answered) {
        auto& late = unanswered_.emplace_back(callback, false);
        wl_proxy_set_user_data(reinterpret_cast<wl_proxy*>(callback), &late.second);
    }
    return answered;
}

} // namespace sahifex::platform::wayland
