#include "os/replace_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace sahifex::os {
namespace fs = std::filesystem;
namespace {

// A write past the file-size limit (ulimit -f) raises SIGXFSZ, which ends the program;
// ignored, the write fails with EFBIG as on a full disk, and the save says so.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &previous_);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &previous_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction previous_ {};
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new temporary file beside file, readable and writable as the user's umask allows.
int createTemporary(const fs::path& file, std::string& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = temporaryBeside(file).string();
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The rename is an entry of the folder: synced, it survives a power cut too. Some file
// systems cannot sync a folder; the file's own bytes are on the disk by then.
void syncFolder(const fs::path& file) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

bool writeAndRename(const fs::path& file, std::string_view bytes) {
    const FileSizeSignalIgnored noSignal;
    std::string temp;
    const int fd = createTemporary(file, temp);
    if (fd < 0) return false;
    // A file replaced keeps its permissions.
    struct stat old {};
    const bool keepsMode = stat(file.c_str(), &old) == 0;
    // The bytes reach the disk before the rename makes them the file.
    const bool written = (!keepsMode || fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, bytes) &&
                         fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && rename(temp.c_str(), file.c_str()) == 0) {
        syncFolder(file);
        return true;
    }
    unlink(temp.c_str());
    return false;
}

} // namespace sahifex::os
