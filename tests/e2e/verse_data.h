#pragma once
// The expected texts, taken straight from the verse files beside the program
// (Windows-1256, decoded here with iconv) and the surah names of the surah table.

#include <filesystem>
#include <string>
#include <vector>

namespace sahifex::e2e {

struct Verse {
    int surah = 0;
    int number = 0;
    std::string plain;     // UTF-8, without diacritics, without surah code and number
    std::string vocalized; // UTF-8, the line of the vocalized file
};

class VerseData {
public:
    explicit VerseData(const std::filesystem::path& programDir);

    // The verses in which the word stands between spaces, its first word or its last
    // word included, in file order.
    std::vector<const Verse*> wholeWordMatches(const std::string& word) const;
    const Verse& at(int surah, int number) const;

private:
    std::vector<Verse> verses_;
};

std::string surahNameOf(int surah);
// "[" + text + "] " + surah name + ":" + number.
std::string withReference(const Verse& verse, const std::string& text);
// What the search by number pastes for the verse after a copied reference: the verse,
// " - ", " ", the surah's name, ":" and the verse number.
std::string continuation(const Verse& verse);

} // namespace sahifex::e2e
