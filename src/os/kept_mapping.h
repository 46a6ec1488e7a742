#pragma once
// A file's bytes mapped into memory and the mapping kept from one reading to the next.
// Reading a verse file copies all its bytes; a mapping shows the system's cached pages
// themselves, and a mapping kept while the file stays the same spares the setting up of
// its pages too, which costs about as much as the copy. Every reading still opens the
// file and sees its bytes as they are then: a file replaced, changed, grown or shrunk
// since the last reading is mapped anew.

#include <filesystem>
#include <optional>
#include <string_view>

namespace sahifex::os {

class KeptMapping {
public:
    KeptMapping() = default;
    ~KeptMapping();
    KeptMapping(const KeptMapping&) = delete;
    KeptMapping& operator=(const KeptMapping&) = delete;

    // The bytes of the regular file at path, valid until the next call or the end of
    // this object; nullopt when it cannot be mapped (missing, empty, not a regular file,
    // or mapping refused), so that the caller reads it.
    std::optional<std::string_view> bytes(const std::filesystem::path& path);

private:
    void release();

    // What tells the file mapped apart from any other, or from itself changed.
    struct Identity {
        unsigned long long device = 0, inode = 0, size = 0;
        long long modified = 0, changed = 0; // nanoseconds
        bool operator==(const Identity&) const = default;
    };
    Identity identity_;
    const char* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace sahifex::os
