#pragma once
// A Tanzil text export as published: "sura|aya|text" lines, one verse a line, then
// empty lines and a copyright block whose lines begin with "#".

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace sahifex::tools {

struct TanzilVerse {
    int surah = 0;
    int verse = 0;
    std::u16string text;
};

struct TanzilExport {
    std::vector<TanzilVerse> verses;
    // The copyright block, line by line, exactly as in the file (without line ends).
    std::vector<std::string> copyrightBlock;
};

class TanzilFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads an export; throws TanzilFormatError naming the file and the line of the first
// thing that is not as described above.
TanzilExport readTanzilExport(const std::filesystem::path& path);

} // namespace sahifex::tools
