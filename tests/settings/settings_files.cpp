#include "settings/settings_files.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include "os/windows_api.h"
#else
#include <sys/resource.h>
#endif

namespace sahifex::testing {
namespace fs = std::filesystem;

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

void setVariable(const std::string& name, const std::string* value) {
#ifdef _WIN32
    // The wide environment is the one the program reads; "" removes the variable.
    _wputenv_s(fs::path(name).wstring().c_str(), value ? fs::path(*value).wstring().c_str() : L"");
#else
    if (value) setenv(name.c_str(), value->c_str(), 1);
    else unsetenv(name.c_str());
#endif
}

} // namespace

#ifdef _WIN32
const char* const kConfigVariable = "APPDATA";
#else
const char* const kConfigVariable = "XDG_CONFIG_HOME";
#endif

ScopedEnv::ScopedEnv(std::string name, const std::string& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) {
        had_ = true;
        old_ = old;
    }
    setVariable(name_, value.empty() ? nullptr : &value);
}

ScopedEnv::~ScopedEnv() { setVariable(name_, had_ ? &old_ : nullptr); }

#ifdef _WIN32

HeldOpen::HeldOpen(const fs::path& file)
    : handle_(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + file.string());
}

HeldOpen::~HeldOpen() { CloseHandle(handle_); }

#else

FileSizeLimit::FileSizeLimit(long bytes) {
    // SIGXFSZ keeps its disposition: a write past the limit ends the tests unless the
    // code under test sees to it itself.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldSoft_ = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("cannot limit file sizes");
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = oldSoft_;
    setrlimit(RLIMIT_FSIZE, &limit);
}

#endif

} // namespace sahifex::testing
