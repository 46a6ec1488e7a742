#include "platform/wayland/data_control.h"

#include "ext-data-control-v1.h"
#include "wlr-data-control-unstable-v1.h"

namespace sahifex::platform::wayland {

namespace {

// The requests' numbers, the same in both protocols.
enum : uint32_t { kCreateDataSource = 0, kGetDataDevice = 1, kDestroyManager = 2 };
enum : uint32_t { kSetSelection = 0, kDestroyDevice = 1 };
enum : uint32_t { kOffer = 0, kDestroySource = 1 };
enum : uint32_t { kReceive = 0, kDestroyOffer = 1 };

void destroy(wl_proxy* proxy, uint32_t opcode) {
    if (proxy)
        wl_proxy_marshal_flags(proxy, opcode, nullptr, wl_proxy_get_version(proxy),
                               WL_MARSHAL_FLAG_DESTROY);
}

} // namespace

const DataControlProtocol& extDataControl() {
    static const DataControlProtocol protocol{
        "ext_data_control_manager_v1", &ext_data_control_manager_v1_interface,
        &ext_data_control_device_v1_interface, &ext_data_control_source_v1_interface,
        &ext_data_control_offer_v1_interface};
    return protocol;
}

const DataControlProtocol& wlrDataControl() {
    static const DataControlProtocol protocol{
        "zwlr_data_control_manager_v1", &zwlr_data_control_manager_v1_interface,
        &zwlr_data_control_device_v1_interface, &zwlr_data_control_source_v1_interface,
        &zwlr_data_control_offer_v1_interface};
    return protocol;
}

wl_proxy* createDataSource(wl_proxy* manager, const DataControlProtocol& protocol) {
    return wl_proxy_marshal_flags(manager, kCreateDataSource, protocol.source,
                                  wl_proxy_get_version(manager), 0, nullptr);
}

wl_proxy* getDataDevice(wl_proxy* manager, wl_seat* seat, const DataControlProtocol& protocol) {
    return wl_proxy_marshal_flags(manager, kGetDataDevice, protocol.device,
                                  wl_proxy_get_version(manager), 0, nullptr, seat);
}

void offerMimeType(wl_proxy* source, const char* mimeType) {
    wl_proxy_marshal_flags(source, kOffer, nullptr, wl_proxy_get_version(source), 0, mimeType);
}

void setSelection(wl_proxy* device, wl_proxy* source) {
    wl_proxy_marshal_flags(device, kSetSelection, nullptr, wl_proxy_get_version(device), 0,
                           source);
}

void receiveOffer(wl_proxy* offer, const char* mimeType, int fd) {
    wl_proxy_marshal_flags(offer, kReceive, nullptr, wl_proxy_get_version(offer), 0, mimeType,
                           fd);
}

void destroyManager(wl_proxy* manager) { destroy(manager, kDestroyManager); }
void destroyDevice(wl_proxy* device) { destroy(device, kDestroyDevice); }
void destroySource(wl_proxy* source) { destroy(source, kDestroySource); }
void destroyOffer(wl_proxy* offer) { destroy(offer, kDestroyOffer); }

} // namespace sahifex::platform::wayland
