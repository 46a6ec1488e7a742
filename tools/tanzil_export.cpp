#include "tanzil_export.h"

#include <charconv>
#include <fstream>

#include "store/utf.h"

namespace sahifex::tools {
namespace {

// The lines of a file, each without its CR LF (or LF).
std::vector<std::string> linesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw TanzilFormatError(path.string() + ": cannot be opened");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool parseNumber(std::string_view digits, int& value) {
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    return ec == std::errc() && ptr == end && !digits.empty();
}

} // namespace

TanzilExport readTanzilExport(const std::filesystem::path& path) {
    const std::vector<std::string> lines = linesOf(path);
    TanzilExport result;
    size_t i = 0;
    const auto fail = [&](const std::string& what) {
        throw TanzilFormatError(path.string() + ", line " + std::to_string(i + 1) + ": " + what);
    };

    for (; i < lines.size() && !lines[i].empty(); ++i) {
        const std::string& line = lines[i];
        const size_t bar1 = line.find('|');
        const size_t bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
        TanzilVerse v;
        if (bar2 == std::string::npos || !parseNumber(std::string_view(line).substr(0, bar1), v.surah) ||
            !parseNumber(std::string_view(line).substr(bar1 + 1, bar2 - bar1 - 1), v.verse))
            fail("not a \"sura|aya|text\" line");
        v.text = store::fromUtf8(std::string_view(line).substr(bar2 + 1));
        if (v.text.empty()) fail("a verse without text");
        if (store::toUtf8(v.text) != line.substr(bar2 + 1)) fail("the text is not valid UTF-8");
        result.verses.push_back(std::move(v));
    }
    for (; i < lines.size() && lines[i].empty(); ++i) {}
    for (; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != '#') fail("expected a line of the copyright block");
        result.copyrightBlock.push_back(lines[i]);
    }
    if (result.verses.empty()) throw TanzilFormatError(path.string() + ": no verses");
    if (result.copyrightBlock.empty()) throw TanzilFormatError(path.string() + ": no copyright block");
    return result;
}

} // namespace sahifex::tools
