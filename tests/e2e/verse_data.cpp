#include "verse_data.h"

#include <cerrno>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <stdexcept>

#include "store/surah_table.h"
#include "store/utf.h"

namespace sahifex::e2e {
namespace {

std::string windows1256ToUtf8(const std::string& bytes) {
    iconv_t codec = iconv_open("UTF-8", "WINDOWS-1256");
    if (codec == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no WINDOWS-1256");
    std::string out(bytes.size() * 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* to = out.data();
    size_t toLeft = out.size();
    const size_t converted = iconv(codec, &in, &inLeft, &to, &toLeft);
    iconv_close(codec);
    if (converted == static_cast<size_t>(-1))
        throw std::runtime_error("iconv: the verse file is not Windows-1256");
    out.resize(out.size() - toLeft);
    return out;
}

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    const std::string text =
        windows1256ToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

} // namespace

VerseData::VerseData(const std::filesystem::path& programDir) {
    const auto plain = linesOf(programDir / "QuranV.Qur");
    const auto vocalized = linesOf(programDir / "QuranT.Qur");
    if (plain.size() != vocalized.size()) throw std::runtime_error("verse files differ in length");
    for (size_t i = 0; i < plain.size(); ++i) {
        // "SSS" + text + " " + number
        const std::string& line = plain[i];
        const size_t space = line.rfind(' ');
        if (line.size() < 4 || space == std::string::npos) continue;
        Verse v;
        v.surah = std::stoi(line.substr(0, 3));
        v.number = std::stoi(line.substr(space + 1));
        v.plain = line.substr(3, space - 3);
        v.vocalized = vocalized[i];
        verses_.push_back(std::move(v));
    }
}

std::vector<const Verse*> VerseData::wholeWordMatches(const std::string& word) const {
    std::vector<const Verse*> found;
    const std::string needle = " " + word + " ";
    for (const Verse& v : verses_)
        if ((" " + v.plain + " ").find(needle) != std::string::npos) found.push_back(&v);
    return found;
}

const Verse& VerseData::at(int surah, int number) const {
    for (const Verse& v : verses_)
        if (v.surah == surah && v.number == number) return v;
    throw std::out_of_range("no verse " + std::to_string(surah) + ":" + std::to_string(number));
}

std::string surahNameOf(int surah) { return store::toUtf8(store::surahName(surah)); }

std::string withReference(const Verse& verse, const std::string& text) {
    return "[" + text + "] " + surahNameOf(verse.surah) + ":" + std::to_string(verse.number);
}

std::string continuation(const Verse& verse) {
    return verse.vocalized + " -  " + surahNameOf(verse.surah) + ":" + std::to_string(verse.number);
}

} // namespace sahifex::e2e
