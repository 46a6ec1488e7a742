#pragma once
// Folders and files for the settings tests: each test works in a temporary folder of
// its own, never in the source tree or the user's configuration.

#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "support/temp_folder.h"

namespace sahifex::testing {

void writeBytes(const std::filesystem::path& file, const std::string& bytes);
std::string readBytes(const std::filesystem::path& file);
// The names of the entries of a folder, sorted.
std::vector<std::string> entriesOf(const std::filesystem::path& folder);

// The variable that names the user's configuration folder: XDG_CONFIG_HOME, on Windows
// APPDATA.
extern const char* const kConfigVariable;

// Sets an environment variable for the object's life ("" removes it), then puts the
// old value back.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

#ifndef _WIN32
// Files this process writes may grow to this many bytes at most while the object
// lives: a write beyond fails as on a full disk, for root as for anyone, once SIGXFSZ
// (which ends the process by default) is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlim_t oldSoft_ = 0;
};
#else
// The file held open by another program that lets others read it, not replace or
// delete it (an editor, a virus scanner), while the object lives.
class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& file);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    void* handle_;
};
#endif

} // namespace sahifex::testing
