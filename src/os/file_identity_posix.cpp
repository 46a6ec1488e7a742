#include "os/file_identity.h"

#include <sys/stat.h>

namespace sahifex::os {
namespace {

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

} // namespace

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino),
                        static_cast<unsigned long long>(status.st_size), nanoseconds(status.st_mtim),
                        nanoseconds(status.st_ctim)};
}

} // namespace sahifex::os
