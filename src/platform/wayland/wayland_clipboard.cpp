#include "platform/wayland/wayland_clipboard.h"

#include <QString>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "platform/handler_guard.h"
#include "platform/wayland/clipboard_text.h"
#include "platform/wayland/pipe_transfer.h"

namespace sahifex::platform::wayland {

namespace {

// Offered beside the text types, so that this clipboard knows its own selection when the
// compositor announces it: one type for each clipboard object of each process.
std::string ownType() {
    static int clipboards = 0;
    return "application/x-sahifex-own-text-" + std::to_string(getpid()) + "-" +
           std::to_string(++clipboards);
}

} // namespace

std::unique_ptr<WaylandClipboard> WaylandClipboard::create(
    std::shared_ptr<WaylandConnection> connection, std::string& error) {
    if (!connection->dataControl()) {
        error = "the Wayland compositor offers no data-control protocol "
                "(ext_data_control_manager_v1, zwlr_data_control_manager_v1)";
        return nullptr;
    }
    return std::make_unique<WaylandClipboard>(std::move(connection));
}

WaylandClipboard::WaylandClipboard(std::shared_ptr<WaylandConnection> connection)
    : connection_(std::move(connection)), ownType_(ownType()) {
    // An editor that closes its end of the pipe before it has the whole text must not end
    // the program: the write then fails and is dropped.
    std::signal(SIGPIPE, SIG_IGN);
    static const DataDeviceListener listener = {&WaylandClipboard::dataOffer,
                                                &WaylandClipboard::selection,
                                                &WaylandClipboard::finished};
    device_ = getDataDevice(connection_->dataControl(), connection_->seat(),
                            *connection_->dataControlProtocol());
    wl_proxy_add_listener(device_, reinterpret_cast<void (**)(void)>(
                                       const_cast<DataDeviceListener*>(&listener)), this);
    connection_->flush();
}

WaylandClipboard::~WaylandClipboard() {
    if (read_) read_->abandon();
    dropSelectionOffer();
    for (auto& [offer, types] : offeredTypes_) destroyOffer(offer);
    if (ownSource_) destroySource(ownSource_);
    if (device_) destroyDevice(device_);
    connection_->flush();
}

void WaylandClipboard::dataOffer(void* data, wl_proxy*, wl_proxy* offer) {
    static const DataOfferListener listener = {&WaylandClipboard::offerType};
    auto* self = static_cast<WaylandClipboard*>(data);
    self->offeredTypes_[offer];
    wl_proxy_add_listener(offer, reinterpret_cast<void (**)(void)>(
                                     const_cast<DataOfferListener*>(&listener)), self);
}

void WaylandClipboard::offerType(void* data, wl_proxy* offer, const char* mimeType) {
    // Only while the offer is being introduced: a type announced after the selection
    // event comes too late to be read anyway.
    auto& offered = static_cast<WaylandClipboard*>(data)->offeredTypes_;
    if (auto types = offered.find(offer); types != offered.end())
        types->second.emplace_back(mimeType);
}

void WaylandClipboard::selection(void* data, wl_proxy*, wl_proxy* offer) {
    auto* self = static_cast<WaylandClipboard*>(data);
    ++self->changes_;
    if (self->read_) self->read_->abandon();
    self->read_ = nullptr;
    self->dropSelectionOffer();
    if (!offer) { // nobody owns the clipboard
        self->known_.clear();
        return;
    }
    const std::vector<std::string> types = std::move(self->offeredTypes_[offer]);
    self->offeredTypes_.erase(offer);
    self->selectionOffer_ = offer;
    if (std::find(types.begin(), types.end(), self->ownType_) != types.end()) {
        self->known_ = self->ownText_;
        return;
    }
    for (const char* wanted : kTextTypes) {
        if (std::find(types.begin(), types.end(), wanted) != types.end()) {
            self->startRead(offer, wanted);
            return;
        }
    }
    self->known_.clear(); // a picture, or files: no text
}

void WaylandClipboard::finished(void* data, wl_proxy* device) {
    auto* self = static_cast<WaylandClipboard*>(data);
    if (device != self->device_) return;
    destroyDevice(self->device_);
    self->device_ = nullptr;
}

void WaylandClipboard::dropSelectionOffer() {
    if (selectionOffer_) destroyOffer(selectionOffer_);
    selectionOffer_ = nullptr;
}

void WaylandClipboard::startRead(wl_proxy* offer, const std::string& mimeType) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    receiveOffer(offer, mimeType.c_str(), fds[1]);
    connection_->flush();
    close(fds[1]); // the request carries a copy of it
    read_ = new PipeReader(fds[0], kReadLimitBytes, kReadGiveUpMs,
                           [this](const std::string& bytes, bool complete) {
                               read_ = nullptr;
                               // An owner that never finished leaves the text as it was.
                               if (complete) readEnded(bytes);
                           },
                           this);
}

void WaylandClipboard::readEnded(const std::string& utf8) {
    known_ = receivedText(utf8);
    if (onTextRead) onTextRead();
    QTimer::singleShot(0, this, [this] { runHandler([this] { notifyChanged(); }); });
}

void WaylandClipboard::send(void* data, wl_proxy* source, const char* mimeType, int fd) {
    auto* self = static_cast<WaylandClipboard*>(data);
    if (source != self->ownSource_ || !isTextType(mimeType)) {
        close(fd);
        return;
    }
    new PipeWriter(fd, self->ownUtf8_, kWriteGiveUpMs, self);
    if (self->onTextFetched) self->onTextFetched();
}

void WaylandClipboard::cancelled(void* data, wl_proxy* source) {
    auto* self = static_cast<WaylandClipboard*>(data);
    destroySource(source);
    if (source != self->ownSource_) return;
    self->ownSource_ = nullptr; // another program took the clipboard
    if (self->onOwnTextLost) self->onOwnTextLost();
}

void WaylandClipboard::clear() {
    if (ownSource_) destroySource(ownSource_);
    ownSource_ = nullptr;
    if (device_) setSelection(device_, nullptr);
    connection_->flush();
    known_.clear();
    ++changes_;
}

bool WaylandClipboard::setText(const std::u16string& text) {
    if (!device_ || !connection_->alive()) return false;
    static const DataSourceListener listener = {&WaylandClipboard::send,
                                                &WaylandClipboard::cancelled};
    wl_proxy* source = createDataSource(connection_->dataControl(),
                                        *connection_->dataControlProtocol());
    wl_proxy_add_listener(source, reinterpret_cast<void (**)(void)>(
                                      const_cast<DataSourceListener*>(&listener)), this);
    for (const char* type : kTextTypes) offerMimeType(source, type);
    offerMimeType(source, ownType_.c_str());
    setSelection(device_, source);
    if (ownSource_) destroySource(ownSource_);
    ownSource_ = source;
    ownText_ = text;
    ownUtf8_ = QString::fromStdU16String(text).toStdString();
    known_ = text;
    ++changes_;
    if (read_) read_->abandon(); // whatever an earlier owner answers now is out of date
    read_ = nullptr;
    connection_->flush();
    return connection_->alive();
}

std::u16string WaylandClipboard::text() { return known_; }

} // namespace sahifex::platform::wayland
