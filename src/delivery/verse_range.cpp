// Several verses of one surah pasted as one quotation: each verse followed by its number
// in parentheses, the reference with the range at the end.

#include <algorithm>
#include <string>
#include <vector>

#include "app/notice_panel.h"
#include "app/options_form.h"
#include "app/verse_numbers.h"
#include "delivery/verse_text.h"
#include "forms/scoped_flag.h"
#include "store/surah_table.h"
#include "store/utf.h"
#include "store/win1256.h"

namespace sahifex::app {
namespace {

constexpr size_t kSurahCodeLength = 3;
// A longer range is pasted only after the user agrees: it fills pages of the document.
constexpr int kRangeToAskAbout = 50;

std::u16string numberText(int n) { return store::fromUtf8(std::to_string(n)); }

std::u16string surahCode(int surah) {
    std::u16string digits = numberText(surah);
    return std::u16string(kSurahCodeLength - std::min(digits.size(), kSurahCodeLength), u'0') + digits;
}

struct SurahVerses {
    std::vector<std::u16string> plain;     // without the surah code and the verse number
    std::vector<std::u16string> vocalized;
};

SurahVerses readSurah(store::VerseChannels& channels, const std::filesystem::path& dir, int surah) {
    SurahVerses verses;
    const store::VerseTexts files = channels.readWhole(dir);
    store::LineReader plain(files.plain()), vocalized(files.vocalized());
    const std::string code = store::encodeWin1256(surahCode(surah));
    while (!plain.atEnd()) {
        const std::string_view line = plain.readLine();
        const std::string_view verse = vocalized.readLine();
        if (line.substr(0, kSurahCodeLength) != code) {
            if (!verses.plain.empty()) break; // the surah's lines stand together
            continue;
        }
        const std::u16string row = store::decodeWin1256(line.substr(kSurahCodeLength));
        verses.plain.push_back(textBeforeVerseNumber(row, row.size()));
        verses.vocalized.push_back(store::decodeWin1256(verse));
    }
    return verses;
}

std::u16string faultMessage(store::RangeFault fault, int surah, size_t verseCount) {
    switch (fault) {
    case store::RangeFault::Empty:
        return u"لم يُكتب رقم آية. اكتب رقم الآية مثل 255 أو مدى الآيات مثل 255-257. لم يُرسل شيء.";
    case store::RangeFault::Junk:
        return u"لم يُفهم رقم الآية. اكتب رقم الآية مثل 255 أو مدى الآيات مثل 255-257. لم يُرسل شيء.";
    case store::RangeFault::Reversed:
        return u"أول المدى بعد آخره. اكتب الأصغر أولًا مثل 255-257. لم يُرسل شيء.";
    case store::RangeFault::PastTheEnd:
        return u"سورة " + store::surahName(surah) + u" آياتها " + numberText(static_cast<int>(verseCount)) +
               u"، والمدى يتجاوز آخرها. لم يُرسل شيء.";
    case store::RangeFault::None: break;
    }
    return {};
}

} // namespace

void Options_Form::sendVerseRange(int surah, store::RangeReading reading) {
    if (StartIt.visible()) return;
    if (numberSearchRunning_ || channels_.busy()) return;
    const forms::ScopedFlag running(numberSearchRunning_);

    SurahVerses verses;
    if (reading.fault == store::RangeFault::None) {
        try {
            verses = readSurah(channels_, services_.programDir, surah);
        } catch (const store::VerseFileError& fault) {
            app::showNotice(*this, app::verseFileFault(fault.fileName()));
            Show();
            return;
        }
        reading = store::withinSurah(reading, static_cast<int>(verses.plain.size()));
    }
    if (reading.fault != store::RangeFault::None) {
        services_.messages.showOk(faultMessage(reading.fault, surah, verses.plain.size()), caption());
        return;
    }
    const int first = reading.verses.first, last = reading.verses.last;
    if (last - first + 1 > kRangeToAskAbout &&
        !services_.messages.askOkCancel(u"ستُرسل " + numberText(last - first + 1) +
                                            u" آية دفعة واحدة. أتريد إرسالها؟",
                                        caption()))
        return;

    // One verse is pasted as a search's single result is; several carry their numbers.
    std::u16string quotation;
    for (int n = first; n <= last; ++n) {
        std::u16string verse = verses.vocalized[n - 1];
        if (Check2.value() == 1) verse = verses.plain[n - 1];
        else if (isLongVerse(static_cast<int16_t>(surah), numberText(n))) verse = LongVerseText;
        if (!quotation.empty()) quotation += u' ';
        quotation += verse;
        if (first != last) quotation += u" (" + numberText(n) + u")";
    }
    const std::u16string reference = store::surahName(surah) + u":" + numberText(first) +
                                     (first == last ? u"" : u"-" + numberText(last));
    ComposedText = Check5.value() == 0 ? quotation : bracketed(*this, quotation, reference);

    Hide();
    services_.clipboard.clear();
    if (PasteText(ComposedText) == PasteResult::NotOnClipboard) return;
    Text1.setText(u"");
    program_.LastClipText.clear();
}

} // namespace sahifex::app
