#include "os/replace_file.h"

#include <system_error>

namespace sahifex::os {
namespace fs = std::filesystem;

bool replaceFile(const fs::path& file, std::string_view bytes) {
    if (const fs::path folder = file.parent_path(); !folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) return false;
    }
    return writeAndRename(file, bytes);
}

} // namespace sahifex::os
