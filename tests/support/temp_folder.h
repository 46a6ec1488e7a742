#pragma once
// The one way the tests make a folder of their own: new and empty, under the system's
// temporary folder, named after its user and unique to this run, and removed with the
// object whatever was put in it.

#include <filesystem>
#include <string>

namespace sahifex::testing {

class TempFolder {
public:
    // name: whose folder it is ("settings", "e2e"), a part of the folder's name.
    explicit TempFolder(const std::string& name = "test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A file of the folder with these bytes; its path.
    std::filesystem::path write(const std::string& fileName, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace sahifex::testing
