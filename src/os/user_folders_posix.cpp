#include "os/user_folders.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace sahifex::os {
namespace fs = std::filesystem;

fs::path userConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config && fs::path(config).is_absolute())
        return config;
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".config";
    return {};
}

bool writableFolder(const fs::path& dir) {
    std::error_code error;
    return fs::is_directory(dir, error) && access(dir.c_str(), W_OK | X_OK) == 0;
}

} // namespace sahifex::os
