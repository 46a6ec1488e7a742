#include "platform/wayland/mutter_clipboard.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <unistd.h>

#include "platform/handler_guard.h"
#include "platform/wayland/clipboard_text.h"
#include "platform/wayland/pipe_transfer.h"

namespace sahifex::platform::wayland {

namespace {

QStringList textTypes() {
    QStringList types;
    for (const char* type : kTextTypes) types << type;
    return types;
}

// The list of strings in an a{sv}, marshalled: mutter sends it in a structure, (as).
QStringList stringList(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) return value.toStringList();
    const auto marshalled = value.value<QDBusArgument>();
    QStringList list;
    if (marshalled.currentSignature() == "(as)") {
        marshalled.beginStructure();
        marshalled >> list;
        marshalled.endStructure();
    } else if (marshalled.currentSignature() == "as") {
        marshalled >> list;
    }
    return list;
}

// The fd of a reply to SelectionRead or SelectionWrite, ours to close; -1 when there is none.
int replyFd(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return -1;
    const auto fd = reply.arguments().front().value<QDBusUnixFileDescriptor>();
    return fd.isValid() ? dup(fd.fileDescriptor()) : -1;
}

} // namespace

MutterClipboard::MutterClipboard(std::shared_ptr<MutterSession> session)
    : session_(std::move(session)) {
    // An editor that closes its end of the pipe before it has the whole text must not end
    // the program: the write then fails and is dropped.
    std::signal(SIGPIPE, SIG_IGN);
    session_->onSelectionOwnerChanged = [this](const QVariantMap& options) {
        runHandler([&] { ownerChanged(options); });
    };
    session_->onSelectionTransfer = [this](const QString& mimeType, uint serial) {
        runHandler([&] { transfer(mimeType, serial); });
    };
}

MutterClipboard::~MutterClipboard() {
    if (read_) read_->abandon();
    session_->onSelectionOwnerChanged = nullptr;
    session_->onSelectionTransfer = nullptr;
}

void MutterClipboard::clear() {
    owned_ = false;
    known_.clear();
    ++changes_;
}

bool MutterClipboard::setText(const std::u16string& text) {
    if (!session_->ready()) return false; // a failed one is being made anew meanwhile
    owned_ = true;
    keeperFetchDue_ = true;
    ownText_ = text;
    ownUtf8_ = QString::fromStdU16String(text).toStdString();
    known_ = text;
    ++changes_;
    ++reads_; // whatever an earlier owner answers now is out of date
    if (read_) read_->abandon();
    read_ = nullptr;
    ++setsUnanswered_;
    session_->call("SetSelection", {QVariantMap{{"mime-types", textTypes()}}}, this,
                   [this](const QDBusMessage& reply) {
                       --setsUnanswered_;
                       if (reply.type() == QDBusMessage::ReplyMessage) return;
                       std::fprintf(stderr, "sahifex: mutter did not take the text: %s\n",
                                    reply.errorMessage().toUtf8().constData());
                       if (!owned_) return;
                       owned_ = false;
                       if (onOwnTextLost) onOwnTextLost();
                   });
    return true;
}

void MutterClipboard::ownerChanged(const QVariantMap& options) {
    // Our own text, or a change from before mutter took our newest text.
    if (options.value("session-is-owner").toBool() || setsUnanswered_ > 0) return;
    ++changes_;
    ++reads_;
    if (read_) read_->abandon();
    read_ = nullptr;
    if (owned_) {
        owned_ = false; // another program took the clipboard
        if (onOwnTextLost) onOwnTextLost();
    }
    const QStringList offered = stringList(options.value("mime-types"));
    for (const char* wanted : kTextTypes) {
        if (offered.contains(wanted)) {
            startRead(wanted, kEmptyReadRetries);
            return;
        }
    }
    known_.clear(); // nobody owns it, or it holds a picture or files: no text
}

void MutterClipboard::startRead(const QString& mimeType, int retriesLeft) {
    const std::uint64_t read = reads_;
    // mutter may answer a read right after the change with nothing yet: read again.
    auto readAgain = [=, this] {
        if (retriesLeft == 0) return false;
        QTimer::singleShot(kEmptyReadRetryMs, this, [=, this] {
            if (read == reads_) startRead(mimeType, retriesLeft - 1);
        });
        return true;
    };
    session_->call("SelectionRead", {mimeType}, this, [=, this](const QDBusMessage& reply) {
        if (read != reads_) return;
        const int fd = replyFd(reply);
        if (fd < 0) {
            readAgain(); // else the text known before stays
            return;
        }
        read_ = new PipeReader(
            fd, kReadLimitBytes, kReadGiveUpMs,
            [=, this](const std::string& bytes, bool complete) {
                read_ = nullptr;
                if (complete && bytes.empty() && readAgain()) return;
                if (complete) readEnded(bytes);
            },
            this);
    });
}

void MutterClipboard::readEnded(const std::string& utf8) {
    known_ = receivedText(utf8);
    QTimer::singleShot(0, this, [this] { runHandler([this] { notifyChanged(); }); });
}

void MutterClipboard::transfer(const QString& mimeType, uint serial) {
    if (!owned_ || !isTextType(mimeType.toStdString())) {
        writeDone(serial, false);
        return;
    }
    // mutter's keeper of the clipboard takes each new text once as it is set.
    const bool byEditor = !std::exchange(keeperFetchDue_, false);
    const std::string bytes = ownUtf8_;
    session_->call("SelectionWrite", {serial}, this, [=, this](const QDBusMessage& reply) {
        const int fd = replyFd(reply);
        if (fd < 0) {
            writeDone(serial, false);
            return;
        }
        new PipeWriter(fd, bytes, kWriteGiveUpMs, this,
                       [=, this](bool written) { writeDone(serial, written); });
    });
    if (byEditor && onTextFetched) onTextFetched();
}

void MutterClipboard::writeDone(uint serial, bool written) {
    session_->call("SelectionWriteDone", {serial, written});
}

} // namespace sahifex::platform::wayland
