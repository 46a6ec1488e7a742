#pragma once
// The clipboard on GNOME, by mutter's remote desktop session (MutterSession): watched and
// read without the program's focus, and owned so that a native editor can paste from it.
//
// Nothing here waits for mutter or another program: a read starts when mutter announces a
// new owner and runs on the event loop; text() returns the text last received. mutter
// answers a read right after the change with nothing at times: an empty answer is read
// again a few times, a little apart. mutter's own clipboard keeper fetches each new text
// once as it is set; that fetch is not the editor's, and is not reported as one.

#include <QObject>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/wayland/mutter_session.h"
#include "platform/wayland/paste_source.h"

namespace sahifex::platform::wayland {

class PipeReader;

class MutterClipboard : public QObject, public Clipboard, public PasteSource {
public:
    static constexpr int kEmptyReadRetries = 4;
    static constexpr int kEmptyReadRetryMs = 50;

    explicit MutterClipboard(std::shared_ptr<MutterSession> session);
    ~MutterClipboard() override;

    // Forgets the program's text; what mutter holds is left (its keeper would put it back).
    void clear() override;
    // Asks mutter to make the text the clipboard's; false while the session is not there.
    bool setText(const std::u16string& text) override;
    std::u16string text() override { return known_; }
    std::uint64_t changeCount() override { return changes_; }
    bool holdsOwnText() const override { return owned_; }

    const std::shared_ptr<MutterSession>& session() const { return session_; }

private:
    void ownerChanged(const QVariantMap& options);
    void transfer(const QString& mimeType, uint serial);
    void startRead(const QString& mimeType, int retriesLeft);
    void readEnded(const std::string& utf8);
    void writeDone(uint serial, bool written);

    std::shared_ptr<MutterSession> session_;
    bool owned_ = false;
    int setsUnanswered_ = 0;
    bool keeperFetchDue_ = false;
    std::u16string ownText_;
    std::string ownUtf8_;
    std::u16string known_;
    std::uint64_t reads_ = 0; // numbers the reads: a newer owner makes older reads void
    PipeReader* read_ = nullptr;
    std::uint64_t changes_ = 0;
};

} // namespace sahifex::platform::wayland
