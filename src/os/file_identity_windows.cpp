#include "os/file_identity.h"

#include "os/windows_api.h"

namespace sahifex::os {
namespace {

unsigned long long joined(DWORD high, DWORD low) {
    return (static_cast<unsigned long long>(high) << 32) | low;
}

} // namespace

std::optional<FileIdentity> identityOf(const std::filesystem::path& path) {
    // Opened for its attributes only: another program may read, write, rename or delete
    // the file meanwhile.
    const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    const bool known = GetFileInformationByHandle(file, &info) &&
                       GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic);
    CloseHandle(file);
    if (!known || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow),
                        joined(info.nFileSizeHigh, info.nFileSizeLow),
                        static_cast<long long>(basic.LastWriteTime.QuadPart),
                        static_cast<long long>(basic.ChangeTime.QuadPart)};
}

} // namespace sahifex::os
