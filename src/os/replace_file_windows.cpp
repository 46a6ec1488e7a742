#include "os/replace_file.h"

#include <fstream>
#include <string>
#include <system_error>

#include "os/windows_api.h"

namespace sahifex::os {
namespace fs = std::filesystem;
bool writeAndRename(const fs::path& file, std::string_view bytes) {
    const fs::path temp = temporaryBeside(file);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    if (MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
}

} // namespace sahifex::os
