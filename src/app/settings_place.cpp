#include "app/settings_place.h"

#include "os/user_folders.h"

namespace sahifex::app {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFileName = "Sahifex.ini";

} // namespace

fs::path settingsFilePath(const fs::path& programDir) {
    if (os::writableFolder(programDir)) return programDir / kFileName;
    const fs::path config = os::userConfigFolder();
    // Without a configuration folder there is no better place than the program's.
    if (config.empty()) return programDir / kFileName;
    return config / "sahifex" / kFileName;
}

} // namespace sahifex::app
