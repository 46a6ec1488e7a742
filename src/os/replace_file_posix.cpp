#include "os/replace_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace sahifex::os {
namespace fs = std::filesystem;
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

bool writeAndRename(const fs::path& file, std::string_view bytes) {
    std::string temp = file.string() + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    // The new file keeps the old one's permissions; a first file is readable by all.
    struct stat old {};
    const mode_t mode = stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    // The bytes reach the disk before the rename makes them the file.
    const bool written = fchmod(fd, mode) == 0 && writeAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && rename(temp.c_str(), file.c_str()) == 0) return true;
    unlink(temp.c_str());
    return false;
}

} // namespace sahifex::os
