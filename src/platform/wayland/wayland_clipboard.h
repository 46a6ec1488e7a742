#pragma once
// The clipboard on Wayland, by a data-control protocol: watched and read without the
// program's focus (a Wayland client may otherwise see the clipboard only while it has
// the keyboard focus), and owned so that a native editor can paste from it.
//
// Nothing here waits for another program: a read is started when the compositor
// announces a new selection and runs on the event loop; text() returns the text last
// received. A read is bounded in time and length (clipboard_text.h). The program's own
// selection is known by a type of its own among the offered ones.

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/wayland/paste_source.h"
#include "platform/wayland/wayland_connection.h"

namespace sahifex::platform::wayland {

class PipeReader;

class WaylandClipboard : public QObject, public Clipboard, public PasteSource {
public:
    // nullptr, with the reason in error, when the compositor offers no data-control.
    static std::unique_ptr<WaylandClipboard> create(
        std::shared_ptr<WaylandConnection> connection, std::string& error);
    explicit WaylandClipboard(std::shared_ptr<WaylandConnection> connection);
    ~WaylandClipboard() override;

    void clear() override;
    bool setText(const std::u16string& text) override;
    // The text last received from the clipboard's owner; never waits.
    std::u16string text() override;
    std::uint64_t changeCount() override { return changes_; }

    bool holdsOwnText() const override { return ownSource_ != nullptr; }
    // Called each time a read of another program's text ends (for the tests).
    std::function<void()> onTextRead;

private:
    static void dataOffer(void* data, wl_proxy* device, wl_proxy* offer);
    static void selection(void* data, wl_proxy* device, wl_proxy* offer);
    static void finished(void* data, wl_proxy* device);
    static void offerType(void* data, wl_proxy* offer, const char* mimeType);
    static void send(void* data, wl_proxy* source, const char* mimeType, int fd);
    static void cancelled(void* data, wl_proxy* source);
    void startRead(wl_proxy* offer, const std::string& mimeType);
    void readEnded(const std::string& utf8);
    void dropSelectionOffer();

    std::shared_ptr<WaylandConnection> connection_;
    const std::string ownType_;
    wl_proxy* device_ = nullptr;
    wl_proxy* selectionOffer_ = nullptr;
    std::map<wl_proxy*, std::vector<std::string>> offeredTypes_;
    wl_proxy* ownSource_ = nullptr;
    std::string ownUtf8_;
    std::u16string ownText_;
    std::u16string known_;
    PipeReader* read_ = nullptr; // at most one read at a time; a newer selection drops it
    std::uint64_t changes_ = 0;
};

} // namespace sahifex::platform::wayland
