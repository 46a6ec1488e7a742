// Makes the verse files from the Tanzil texts:
//   qur_converter TANZIL_DIR OUT_DIR
// reads quran-simple-clean.txt (plain) and quran-simple.txt (vocalized) from TANZIL_DIR
// and writes QuranV.Qur, QuranT.Qur and LICENSE-tanzil.txt into OUT_DIR. The same
// sources always give the same bytes.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "store/win1256.h"
#include "tanzil_export.h"

namespace {

using sahifex::tools::TanzilExport;
using sahifex::tools::TanzilFormatError;
using sahifex::tools::TanzilVerse;
namespace fs = std::filesystem;

constexpr const char* kPlainSource = "quran-simple-clean.txt";
constexpr const char* kVocalizedSource = "quran-simple.txt";
constexpr int kSurahCount = 114;

std::string reference(const TanzilVerse& v) {
    return std::to_string(v.surah) + ":" + std::to_string(v.verse);
}

// The verses must run surah by surah, each from verse 1 without gaps, and both texts
// must hold the same verses.
void checkOrder(const TanzilExport& plain, const TanzilExport& vocalized) {
    if (plain.verses.size() != vocalized.verses.size())
        throw TanzilFormatError("the two texts hold different numbers of verses");
    int surah = 1, verse = 0;
    for (size_t i = 0; i < plain.verses.size(); ++i) {
        const TanzilVerse& p = plain.verses[i];
        const TanzilVerse& v = vocalized.verses[i];
        if (p.surah != v.surah || p.verse != v.verse)
            throw TanzilFormatError("verse " + std::to_string(i + 1) + " is " + reference(p) +
                                    " in the plain text but " + reference(v) + " vocalized");
        if (p.surah == surah + 1 && p.verse == 1) {
            ++surah;
            verse = 0;
        }
        if (p.surah != surah || p.verse != verse + 1)
            throw TanzilFormatError("verse " + reference(p) + " is out of order");
        verse = p.verse;
    }
    if (surah != kSurahCount) throw TanzilFormatError("the texts do not hold all surahs");
}

// The exports put the basmala, followed by a space, before verse 1 of every surah but 1
// and 9; it is not part of those verses. In 1:1 it is the verse itself, so that verse
// gives its exact spelling (the vocalized text keeps shadda before the vowel).
std::u16string basmalaOf(const TanzilExport& e) { return e.verses.front().text + u" "; }

std::u16string withoutBasmala(const TanzilVerse& v, const std::u16string& basmala) {
    if (v.verse != 1 || v.surah == 1 || v.surah == 9) return v.text;
    if (!v.text.starts_with(basmala) || v.text.size() == basmala.size())
        throw TanzilFormatError("verse " + reference(v) + " does not begin with the basmala");
    return v.text.substr(basmala.size());
}

std::string encoded(const std::u16string& text, const TanzilVerse& v) {
    for (char16_t c : text)
        if (sahifex::store::win1256Code(c) == '?' && c != u'?')
            throw TanzilFormatError("verse " + reference(v) + " holds a character outside Windows-1256");
    return sahifex::store::encodeWin1256(text);
}

std::string threeDigits(int n) {
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

std::string licenceText(const TanzilExport& plain, const TanzilExport& vocalized) {
    std::string text =
        "The verse files QuranV.Qur and QuranT.Qur are made from the Tanzil Quran Text,\n"
        "version 1.0.2: QuranV.Qur from quran-simple-clean.txt (Simple Clean) and QuranT.Qur\n"
        "from quran-simple.txt (Simple), kept byte for byte in data/tanzil/.\n"
        "Source: Tanzil.net, http://tanzil.net\n"
        "\n"
        "The verse text is not changed. The files hold one verse a line in Windows-1256 with\n"
        "CR LF line ends; each line of QuranV.Qur carries the surah number before the verse\n"
        "and the verse number after it. The basmala that the exports put before verse 1 of\n"
        "surahs 2 to 8 and 10 to 114, which is not part of those verses, is left out.\n";
    const auto block = [&](const char* source, const TanzilExport& e) {
        text += std::string("\n----- copyright block of ") + source + " -----\n";
        for (const std::string& line : e.copyrightBlock) text += line + "\n";
    };
    block(kVocalizedSource, vocalized);
    block(kPlainSource, plain);
    return text;
}

void convert(const fs::path& tanzilDir, const fs::path& outDir) {
    const TanzilExport plain = sahifex::tools::readTanzilExport(tanzilDir / kPlainSource);
    const TanzilExport vocalized = sahifex::tools::readTanzilExport(tanzilDir / kVocalizedSource);
    checkOrder(plain, vocalized);

    const std::u16string plainBasmala = basmalaOf(plain);
    const std::u16string vocalizedBasmala = basmalaOf(vocalized);
    std::string plainFile, vocalizedFile;
    for (size_t i = 0; i < plain.verses.size(); ++i) {
        const TanzilVerse& p = plain.verses[i];
        const TanzilVerse& v = vocalized.verses[i];
        plainFile += threeDigits(p.surah) + encoded(withoutBasmala(p, plainBasmala), p) + " " +
                     std::to_string(p.verse) + "\r\n";
        vocalizedFile += encoded(withoutBasmala(v, vocalizedBasmala), v) + "\r\n";
    }
    fs::create_directories(outDir);
    writeFile(outDir / "QuranV.Qur", plainFile);
    writeFile(outDir / "QuranT.Qur", vocalizedFile);
    writeFile(outDir / "LICENSE-tanzil.txt", licenceText(plain, vocalized));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qur_converter TANZIL_DIR OUT_DIR\n";
        return 2;
    }
    try {
        convert(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "qur_converter: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
