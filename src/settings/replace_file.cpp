#include "settings/replace_file.h"

#include <system_error>

#ifdef _WIN32
#include <fstream>
#include <random>
#include <string>
#include "platform/win32/windows_api.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sahifex::settings {
namespace fs = std::filesystem;
namespace {

#ifdef _WIN32
bool writeAndRename(const fs::path& file, std::string_view bytes) {
    fs::path temp = file;
    temp += L"." + std::to_wstring(std::random_device{}()) + L".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    if (MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
}
#else
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

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
#endif

} // namespace

bool replaceFile(const fs::path& file, std::string_view bytes) {
    if (const fs::path folder = file.parent_path(); !folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) return false;
    }
    return writeAndRename(file, bytes);
}

} // namespace sahifex::settings
