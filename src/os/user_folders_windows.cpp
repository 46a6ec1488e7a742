#include "os/user_folders.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace sahifex::os {
namespace fs = std::filesystem;

fs::path userConfigFolder() {
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData && *appData) return appData;
    return {};
}

// A folder's access rights on Windows are its ACL, which no flag shows: try a file.
bool writableFolder(const fs::path& dir) {
    std::error_code error;
    if (!fs::is_directory(dir, error)) return false;
    const fs::path probe = dir / (L"." + std::to_wstring(std::random_device{}()) + L".probe");
    const bool created = static_cast<bool>(std::ofstream(probe, std::ios::binary));
    fs::remove(probe, error);
    return created;
}

} // namespace sahifex::os
