#pragma once
// The program's own connection to the Wayland compositor, beside Qt's X connection (the
// windows stay on XWayland). Its events are read on the Qt event loop when its socket
// has data, so nothing here ever waits for the compositor on the interface thread, but
// for the bounded round trip at start.

#include <QObject>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "platform/wayland/data_control.h"

class QSocketNotifier;
struct wl_callback;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct org_kde_kwin_fake_input;

namespace sahifex::platform::wayland {

class WaylandConnection : public QObject {
public:
    // Connects to the compositor that WAYLAND_DISPLAY names (socketName "" for it) and
    // learns what it offers. nullptr, with the reason in error, when there is none to
    // connect to, or it does not answer within answerLimitMs, or it has no seat.
    static std::unique_ptr<WaylandConnection> open(const std::string& socketName,
                                                   std::string& error,
                                                   int answerLimitMs = 1000);
    ~WaylandConnection() override;
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return display_; }
    wl_seat* seat() const { return seat_; }
    // The data-control manager, ext_ preferred; nullptr when neither is offered.
    wl_proxy* dataControl() const { return dataControl_; }
    const DataControlProtocol* dataControlProtocol() const { return dataControlProtocol_; }
    zwp_virtual_keyboard_manager_v1* virtualKeyboards() const { return virtualKeyboards_; }
    org_kde_kwin_fake_input* fakeInput() const { return fakeInput_; }
    // What the compositor offers, by interface name, for the program's report.
    std::string offered() const;

    // Sends what was asked of the compositor. Never waits: what the socket cannot take
    // now goes with the next flush.
    void flush();
    // False once the compositor has closed the connection or reported an error.
    bool alive() const { return alive_; }
    // Called once when the connection is lost.
    std::function<void()> onLost;

    // Waits, reading events, until the compositor has handled every request so far, at
    // most limitMs; false when it did not answer in time.
    bool roundTrip(int limitMs);

private:
    explicit WaylandConnection(wl_display* display);
    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version);
    static void globalRemoved(void* data, wl_registry* registry, uint32_t name);
    void readEvents();
    void checkAlive();

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_proxy* dataControl_ = nullptr;
    const DataControlProtocol* dataControlProtocol_ = nullptr;
    zwp_virtual_keyboard_manager_v1* virtualKeyboards_ = nullptr;
    org_kde_kwin_fake_input* fakeInput_ = nullptr;
    std::vector<std::string> offered_;
    // The syncs that were not answered in time, each with the flag its late answer sets:
    // those still unanswered are destroyed with the connection.
    std::list<std::pair<wl_callback*, bool>> unanswered_;
    QSocketNotifier* notifier_ = nullptr;
    bool alive_ = true;
};

} // namespace sahifex::platform::wayland
