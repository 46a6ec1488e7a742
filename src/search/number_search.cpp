// The search by surah name and verse number, which pastes the verse after a copied
// reference.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/notice_panel.h"
#include "app/options_form.h"
#include "forms/scoped_flag.h"
#include "store/utf.h"
#include "store/win1256.h"

namespace sahifex::app {
namespace {

constexpr size_t kSurahCodeLength = 3;

std::u16string_view trimSpaces(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const size_t last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

// The surah code of surah n: its number with three digits ("002", "044", "114").
std::u16string surahCode(int n) {
    std::u16string digits = store::fromUtf8(std::to_string(n));
    return std::u16string(kSurahCodeLength - std::min(digits.size(), kSurahCodeLength), u'0') +
           digits;
}

// The verse-number tail of R, the plain line without its surah code: the last i
// characters of R for the first i from 2 on whose text, without its trailing spaces,
// begins with a space (trailing spaces of the line are thereby stepped over), given
// without its leading spaces. A line without such a space gives the whole of R.
std::u16string verseNumberTail(std::u16string_view r) {
    size_t i = 2;
    for (; i <= r.size(); ++i) {
        std::u16string_view last = r.substr(r.size() - i);
        const size_t end = last.find_last_not_of(u' ');
        if (end != std::u16string_view::npos && last.front() == u' ') break;
    }
    std::u16string_view tail = r.substr(r.size() - std::min(i, r.size()));
    const size_t first = tail.find_first_not_of(u' ');
    return std::u16string(first == std::u16string_view::npos ? std::u16string_view()
                                                             : tail.substr(first));
}

// A copied verse number that can name a verse: a whole number, 0 or more ("2" and
// "2.0" alike). -1 would select no entry and compose from nothing; 2.5 would fetch
// verse 3 under the reference 3.5.
bool isVerseNumber(double number) {
    return std::isfinite(number) && number >= 0 && std::floor(number) == number;
}

// The number as decimal digits, without a fraction (it is whole).
std::u16string wholeNumberText(double number) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", number);
    return store::fromUtf8(digits);
}

} // namespace

void Options_Form::VerseRanges_Click() {
    RangeBox.setVisible(VerseRanges.value() == 1);
    if (VerseRanges.value() == 0) RangeBox.setText(u"");
}

void Options_Form::RangeBox_KeyPress(int16_t& keyAscii) {
    if (keyAscii != 13) return;
    keyAscii = 0;
    SerachByNumber_Click();
}

void Options_Form::SerachByNumber_Click() {
    // A verse or a range typed beside the surah picked is pasted; the watcher, which
    // presses this button from its tick for a copied reference, never sends it.
    if (VerseRanges.value() == 1 && !Timer2.ticking() && !trimSpaces(RangeBox.text()).empty()) {
        if (Combo1.listIndex() < 1) {
            services_.messages.showOk(u"اختر السورة أولًا ثم اكتب رقم الآية أو مدى الآيات. لم يُرسل شيء.", caption());
            return;
        }
        sendVerseRange(Combo1.listIndex(), store::readVerseRange(RangeBox.text()));
        return;
    }
    // An empty search box does not stop the search: copy tracking presses this button
    // only with the copied text in the box, so such a test would stop only a click by
    // hand in the multi-verse panel, which must fetch the verse after the last copied
    // reference again. A name that is no surah (nothing copied yet: "") still ends the
    // search below.
    if (StartIt.visible()) return;
    // One search by number at a time: while this one yields with the verse files open,
    // or waits for the paste, or shows its message, another press (a click by hand; the
    // watcher does not tick meanwhile) changes nothing and pastes nothing.
    if (numberSearchRunning_ || channels_.busy()) return;
    const forms::ScopedFlag running(numberSearchRunning_);

    ClipSurahName = std::u16string(trimSpaces(ClipSurahName));
    // Taken once: nothing that runs during the yields below can change what is fetched.
    const double referenced = ClipVerseNumber;
    if (!isVerseNumber(referenced)) return;

    int surah = 0;
    for (int i = 1; i <= Combo1.ListCount() - 1; ++i) {
        Combo1.setListIndex(i);
        if (Combo1.text() == ClipSurahName) {
            surah = i;
            break;
        }
    }
    if (surah == 0) return;

    try {
        const std::u16string code = surahCode(Combo1.listIndex());
        Text1.setText(code);
        List4.Clear();
        List5.Clear();
        // The verse after the referenced one is entry `referenced` of List5, so the
        // reading stops once List5 holds referenced + 1 entries.
        const double wanted = referenced + 1;
        {
            // Held (as open files are) until this block ends, also when reading fails.
            const store::VerseTexts files = channels_.readWhole(services_.programDir);
            store::LineReader plain(files.plain()), vocalized(files.vocalized());
            const std::string codeBytes = store::encodeWin1256(code);
            while (!plain.atEnd()) {
                const std::string_view line = plain.readLine();
                // Read in step, decoded only when kept.
                const std::string_view verse = vocalized.readLine();
                if (line.substr(0, kSurahCodeLength) == codeBytes) {
                    const std::u16string text = store::decodeWin1256(line);
                    List4.AddItem(verseNumberTail(
                        std::u16string_view(text).substr(std::min(text.size(), kSurahCodeLength))));
                    List5.AddItem(store::decodeWin1256(verse));
                    if (List5.ListCount() >= wanted) break;
                }
                services_.loop.yield();
            }
        }

        // No entry `referenced`: the surah has no further verse, and the selection fails.
        if (referenced >= List5.ListCount())
            throw forms::RuntimeFailure("List5: invalid ListIndex: the surah has no further verse");
        List5.setListIndex(static_cast<int>(referenced));

        Text5.setText(List5.text() + u" - " + u" " + Combo1.text() + u":" +
                      wholeNumberText(wanted));

        services_.clipboard.clear();
        if (PasteText(Text5.text()) == PasteResult::NotOnClipboard) return;
        Text1.setText(u"");
        program_.LastClipText.clear();
    } catch (const store::VerseFileError& fault) {
        // A verse file that is missing, unreadable or cut short is no end of the surah: the
        // user is told which file, as the word search does, and the copied reference stays
        // on the clipboard. The window, hidden while tracking works, comes to show it.
        app::showNotice(*this, app::verseFileFault(fault.fileName()));
        Show();
    } catch (const forms::RuntimeFailure&) {
        // The end-of-surah handler: the verse files are closed already.
        services_.messages.showOk(u"انتهت السورة", caption()); // titled with the program's name
        services_.clipboard.clear();
    }
}

} // namespace sahifex::app
