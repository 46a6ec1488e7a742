#include "os/kept_mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sahifex::os {
namespace {

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

} // namespace

KeptMapping::~KeptMapping() { release(); }

void KeptMapping::release() {
    if (data_) ::munmap(const_cast<char*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
    identity_ = {};
}

std::optional<std::string_view> KeptMapping::bytes(const std::filesystem::path& path) {
    // O_NONBLOCK: a FIFO in the file's place must not hold the open; it is no regular
    // file and is left to the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        release();
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        ::close(fd);
        release();
        return std::nullopt;
    }
    // The change time moves with every write to the file, whatever its modification
    // time is set to afterwards.
    const Identity now{static_cast<unsigned long long>(status.st_dev),
                       static_cast<unsigned long long>(status.st_ino),
                       static_cast<unsigned long long>(status.st_size), nanoseconds(status.st_mtim),
                       nanoseconds(status.st_ctim)};
    if (data_ && now == identity_) {
        ::close(fd);
        return std::string_view(data_, size_);
    }
    release();
    const auto size = static_cast<size_t>(status.st_size);
    // The pages are set up at once: one call, where touching them one by one would
    // fault on each.
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    // The mapping holds the file; the descriptor is not needed for it.
    ::close(fd);
    if (data == MAP_FAILED) return std::nullopt;
    data_ = static_cast<const char*>(data);
    size_ = size;
    identity_ = now;
    return std::string_view(data_, size_);
}

} // namespace sahifex::os
