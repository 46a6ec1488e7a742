#pragma once
// One end of a pipe between this program and another, moved on the event loop: the
// other program may be slow, stopped or gone, and the interface thread never waits.

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

class QSocketNotifier;

namespace sahifex::platform::wayland {

// Reads until the other end closes, at most limitBytes; then done(bytes, true). When the
// pipe neither ends nor reaches the limit within giveUpMs, done("", false). Takes the fd
// and closes it; deletes itself after done (or with its parent).
class PipeReader : public QObject {
public:
    using Done = std::function<void(const std::string& bytes, bool complete)>;
    PipeReader(int fd, size_t limitBytes, int giveUpMs, Done done, QObject* parent);
    ~PipeReader() override;
    // Ends the read without calling done.
    void abandon();

private:
    void readAvailable();
    void finish(bool ended);

    int fd_;
    size_t limit_;
    Done done_;
    std::string bytes_;
    QSocketNotifier* notifier_;
    QTimer giveUp_;
};

// Writes the bytes, then closes the fd; gives up after giveUpMs. Then done(whether every
// byte was written), when given. Deletes itself.
class PipeWriter : public QObject {
public:
    using Done = std::function<void(bool written)>;
    PipeWriter(int fd, std::string bytes, int giveUpMs, QObject* parent, Done done = nullptr);
    ~PipeWriter() override;

private:
    void writeSome();
    void finish(bool written);

    int fd_;
    std::string bytes_;
    Done done_;
    size_t written_ = 0;
    QSocketNotifier* notifier_;
    QTimer giveUp_;
};

} // namespace sahifex::platform::wayland
