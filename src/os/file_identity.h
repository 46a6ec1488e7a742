#pragma once
// What tells a file apart from any other file, and from itself once changed: a copy of
// its bytes stays good while its identity stays the same.

#include <filesystem>
#include <optional>

namespace sahifex::os {

struct FileIdentity {
    unsigned long long device = 0, file = 0, size = 0;
    // The last write, and the last change of the file or of what is known of it: the
    // change time moves with every write, whatever the write time is set to afterwards.
    long long written = 0, changed = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at path; nullopt when there is none there, or it
// cannot be asked for.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);

} // namespace sahifex::os
