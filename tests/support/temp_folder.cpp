#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace sahifex::testing {
namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& name) {
    std::random_device random;
    // A name another run already took is passed over: the folder is made, never reused.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("sahifex-" + name + "." + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder for " + name);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TempFolder::write(const std::string& fileName, const std::string& bytes) const {
    const fs::path file = path_ / fileName;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
}

} // namespace sahifex::testing
