#include "platform/wayland/pipe_transfer.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace sahifex::platform::wayland {

namespace {

void makeNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

} // namespace

PipeReader::PipeReader(int fd, size_t limitBytes, int giveUpMs, Done done, QObject* parent)
    : QObject(parent), fd_(fd), limit_(limitBytes), done_(std::move(done)),
      notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    makeNonBlocking(fd_);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readAvailable(); });
    giveUp_.setSingleShot(true);
    connect(&giveUp_, &QTimer::timeout, this, [this] { finish(false); });
    giveUp_.start(giveUpMs);
}

PipeReader::~PipeReader() {
    if (fd_ >= 0) close(fd_);
}

void PipeReader::abandon() {
    done_ = nullptr;
    finish(false);
}

void PipeReader::readAvailable() {
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(fd_, buffer, sizeof buffer);
        if (count > 0) {
            bytes_.append(buffer, static_cast<size_t>(count));
            if (bytes_.size() >= limit_) {
                bytes_.resize(limit_);
                finish(true);
                return;
            }
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && errno == EAGAIN) return; // more to come
        finish(count == 0); // the end, or a failed read
        return;
    }
}

void PipeReader::finish(bool ended) {
    notifier_->setEnabled(false);
    giveUp_.stop();
    close(fd_);
    fd_ = -1;
    Done done = std::move(done_);
    done_ = nullptr;
    deleteLater();
    if (done) done(ended ? bytes_ : std::string(), ended);
}

PipeWriter::PipeWriter(int fd, std::string bytes, int giveUpMs, QObject* parent, Done done)
    : QObject(parent), fd_(fd), bytes_(std::move(bytes)), done_(std::move(done)),
      notifier_(new QSocketNotifier(fd, QSocketNotifier::Write, this)) {
    makeNonBlocking(fd_);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { writeSome(); });
    giveUp_.setSingleShot(true);
    connect(&giveUp_, &QTimer::timeout, this, [this] { finish(false); });
    giveUp_.start(giveUpMs);
    writeSome();
}

PipeWriter::~PipeWriter() {
    if (fd_ >= 0) close(fd_);
}

void PipeWriter::writeSome() {
    while (written_ < bytes_.size()) {
        const ssize_t count = write(fd_, bytes_.data() + written_, bytes_.size() - written_);
        if (count > 0) {
            written_ += static_cast<size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && errno == EAGAIN) return; // the notifier says when there is room
        break; // the reader went away
    }
    finish(written_ == bytes_.size());
}

void PipeWriter::finish(bool written) {
    notifier_->setEnabled(false);
    giveUp_.stop();
    close(fd_);
    fd_ = -1;
    deleteLater();
    if (Done done = std::move(done_)) done(written);
}

} // namespace sahifex::platform::wayland
