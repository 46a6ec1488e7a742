#include "os/replace_file.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <system_error>

namespace sahifex::os {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kTemporaryLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kTemporaryTail = 6;

// A temporary file of ours this old is no replacement still under way: its save was
// cut off (the program killed, the machine stopped) before the rename.
constexpr auto kStaleAfter = std::chrono::minutes(1);

bool isTemporaryOf(const fs::path& candidate, const fs::path& file) {
    const std::string name = candidate.filename().string();
    const std::string prefix = file.filename().string() + ".";
    return name.size() == prefix.size() + kTemporaryTail && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return kTemporaryLetters.find(c) != std::string_view::npos; });
}

void removeStaleTemporaries(const fs::path& file) {
    std::error_code error;
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& candidate = it->path();
        std::error_code ignored;
        if (isTemporaryOf(candidate, file) && it->symlink_status(ignored).type() == fs::file_type::regular &&
            now - fs::last_write_time(candidate, ignored) > kStaleAfter)
            fs::remove(candidate, ignored);
    }
}

} // namespace

fs::path temporaryBeside(const fs::path& file) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> letter(0, kTemporaryLetters.size() - 1);
    std::string tail;
    for (size_t i = 0; i < kTemporaryTail; ++i) tail += kTemporaryLetters[letter(random)];
    fs::path temp = file;
    temp += "." + tail;
    return temp;
}

bool replaceFile(const fs::path& file, std::string_view bytes) {
    if (const fs::path folder = file.parent_path(); !folder.empty()) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) return false;
    }
    removeStaleTemporaries(file);
    return writeAndRename(file, bytes);
}

} // namespace sahifex::os
