#pragma once
// The two data-control protocols, ext_data_control_v1 and zwlr_data_control_unstable_v1,
// behind one set of calls. They have the same requests and events in the same order;
// only the interfaces' names differ, and with them the objects the compositor makes.

#include <wayland-client-core.h>

struct wl_seat;

namespace sahifex::platform::wayland {

struct DataControlProtocol {
    const char* managerName;
    const wl_interface* manager;
    const wl_interface* device;
    const wl_interface* source;
    const wl_interface* offer;
};

// In the order they are preferred.
const DataControlProtocol& extDataControl();
const DataControlProtocol& wlrDataControl();

// The requests. Each takes the object it is a request of.
wl_proxy* createDataSource(wl_proxy* manager, const DataControlProtocol& protocol);
wl_proxy* getDataDevice(wl_proxy* manager, wl_seat* seat, const DataControlProtocol& protocol);
void offerMimeType(wl_proxy* source, const char* mimeType);
// source nullptr empties the selection.
void setSelection(wl_proxy* device, wl_proxy* source);
void receiveOffer(wl_proxy* offer, const char* mimeType, int fd);
void destroyManager(wl_proxy* manager);
void destroyDevice(wl_proxy* device);
void destroySource(wl_proxy* source);
void destroyOffer(wl_proxy* offer);

// The events, laid out as the listeners wayland-scanner makes for either protocol.
struct DataDeviceListener {
    void (*dataOffer)(void* data, wl_proxy* device, wl_proxy* offer);
    void (*selection)(void* data, wl_proxy* device, wl_proxy* offer); // offer may be null
    void (*finished)(void* data, wl_proxy* device);
};
struct DataSourceListener {
    void (*send)(void* data, wl_proxy* source, const char* mimeType, int fd);
    void (*cancelled)(void* data, wl_proxy* source);
};
struct DataOfferListener {
    void (*offer)(void* data, wl_proxy* offer, const char* mimeType);
};

} // namespace sahifex::platform::wayland
