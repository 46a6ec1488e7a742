#include "settings/settings_place.h"

#include <cstdlib>

#ifdef _WIN32
#include <fstream>
#include <random>
#include <string>
#else
#include <unistd.h>
#endif

namespace sahifex::settings {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFileName = "Sahifex.ini";

#ifdef _WIN32
// A folder's access rights on Windows are its ACL, which no flag shows: try a file.
bool writableFolder(const fs::path& dir) {
    std::error_code error;
    if (!fs::is_directory(dir, error)) return false;
    const fs::path probe = dir / (L"." + std::to_wstring(std::random_device{}()) + L".probe");
    const bool created = static_cast<bool>(std::ofstream(probe, std::ios::binary));
    fs::remove(probe, error);
    return created;
}
#else
bool writableFolder(const fs::path& dir) {
    std::error_code error;
    return fs::is_directory(dir, error) && access(dir.c_str(), W_OK | X_OK) == 0;
}
#endif

} // namespace

fs::path userConfigFolder() {
#ifdef _WIN32
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData && *appData) return appData;
#else
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config && fs::path(config).is_absolute())
        return config;
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".config";
#endif
    return {};
}

fs::path settingsFilePath(const fs::path& programDir) {
    if (writableFolder(programDir)) return programDir / kFileName;
    const fs::path config = userConfigFolder();
    // Without a configuration folder there is no better place than the program's.
    if (config.empty()) return programDir / kFileName;
    return config / "sahifex" / kFileName;
}

} // namespace sahifex::settings
