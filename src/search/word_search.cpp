// The word search and the key filter of the search box.

#include <string_view>
#include <vector>

#include "app/main_window_values.h"
#include "app/options_form.h"
#include "app/notice_panel.h"
#include "store/letter_folding.h"
#include "search/line_match.h"
#include "store/lenient_text.h"
#include "store/utf.h"
#include "store/verse_reference.h"
#include "store/win1256.h"

namespace sahifex::app {
namespace {

constexpr char16_t kEnter = 13;
constexpr char16_t kBackspace = 8;
// The Arabic letters from hamza (U+0621) to yeh (U+064A).
constexpr char16_t kFirstLetter = u'\u0621';
constexpr char16_t kLastLetter = u'\u064A';

constexpr size_t kSurahCodeLength = 3;

std::u16string trimSpaces(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const size_t last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

// What a typed reference holds besides letters: digits, ":", "-" and spaces.
bool isReferenceCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || store::asciiDigit(c) != c || c == u':' || c == u'-' || c == u' ';
}

} // namespace

void Options_Form::Text1_KeyPress(int16_t& keyAscii) {
    // The view hands over the UTF-16 code unit of the typed character, so the character
    // is the key code itself: no code page lies between them.
    // The flexible search takes Persian and Urdu letters as the Arabic ones they stand for.
    const char16_t typed = static_cast<char16_t>(keyAscii);
    const char16_t key = FlexibleSearch.value() == 1 ? store::arabicLetter(typed) : typed;
    if (key != typed) keyAscii = static_cast<int16_t>(key);
    const bool letter = key >= kFirstLetter && key <= kLastLetter;
    const bool typedReferences = TypedReferences.value() == 1;
    if (key != kEnter && key != kBackspace && !letter && !(typedReferences && isReferenceCharacter(key))) {
        keyAscii = 0;
        return;
    }
    if (key != kEnter) return;
    // A surah and a verse (or a range) are pasted; any other text is a word to search for.
    if (typedReferences) {
        if (const std::optional<store::TypedReference> reference = store::readTypedReference(Text1.text())) {
            sendVerseRange(reference->surah, reference->verses);
            return;
        }
    }
    Command1.setValue(true);
}

void Options_Form::Command1_Click() {
    // The flexible search forgives the word's diacritics, tatweel and punctuation.
    if (FlexibleSearch.value() == 1) Text1.setText(store::lenientTyped(Text1.text()));
    if (Text1.text().empty()) return;
    if (StartIt.visible()) return;
    // The search by number holds the verse files while it yields; a search started by
    // a tick in that time leaves everything as it is.
    if (channels_.busy()) return;

    hideEarlierOutcome();
    const bool wholeWord = Check9.value() != 1;
    takeSearchTerms(wholeWord);
    if (Text1.text() == u" خيارات ") {
        showSearchSettings();
        return;
    }
    if (!yieldBeforeSearching()) return;
    List1.Clear();
    List2.Clear();
    List3.Clear();
    if (!listMatchingVerses(wholeWord)) return;
    answerSearch();
}

void Options_Form::hideEarlierOutcome() {
    Picture1.setVisible(false);
    Text5.setVisible(false);
    Label2.setCaption(u"");
    Pic_search_settings.setVisible(false);
}

// The forms with و and ف wait in Text2 and Text6; in whole-word mode the term stands
// between single spaces.
void Options_Form::takeSearchTerms(bool wholeWord) {
    Text2.setText(u" و" + Text1.text() + u" ");
    Text6.setText(u" ف" + Text1.text() + u" ");
    if (wholeWord) Text1.setText(u" " + trimSpaces(Text1.text()) + u" ");
}

// The word "خيارات" opens the options panel instead of searching.
void Options_Form::showSearchSettings() {
    Show();
    openOptionsPanel();
    services_.clipboard.clear();
    Text1.setText(u"");
}

bool Options_Form::yieldBeforeSearching() {
    List1.setVisible(false);
    const std::u16string termBeforeYield = Text1.text();
    services_.loop.yield();
    // A search started during the yield (by a tick of copy tracking) has taken the box:
    // a word search or a search by number that found its verse emptied it, one that
    // ended with "انتهت السورة" left its surah code there. Its result stands; searching
    // for "" would list every verse, and a surah code is no word.
    if (Text1.text() != termBeforeYield) {
        List1.setVisible(true);
        return false;
    }
    return true;
}

// The rows of every line that holds the term: false, with the file-fault notice shown,
// when a verse file could not be read.
bool Options_Form::listMatchingVerses(bool wholeWord) {
    const bool withPrefixes = Check6.value() == 1;
    // One row for each test a line passes: the term, then with Check6 the forms with و
    // and with ف. The prefixed forms always stand between spaces, in both modes; the
    // verse's first word counts as standing after a space, in whole-word mode.
    std::vector<search::LineTest> tests{{Text1.text(), wholeWord}};
    if (withPrefixes) {
        tests.push_back({Text2.text(), true});
        tests.push_back({Text6.text(), true});
    }
    // The flexible search compares the folded texts with the folded lines; the rows
    // keep the files' own text.
    const bool flexible = FlexibleSearch.value() == 1;
    if (flexible)
        for (search::LineTest& test : tests) test.text = store::foldLetters(test.text);
    try {
        const store::VerseTexts files = channels_.readWhole(services_.programDir);
        // A line is decoded only when it becomes a row.
        for (const search::MatchedLine& match :
             search::matchLines(files, tests, flexible ? &store::win1256LetterFold() : nullptr)) {
            const std::string_view plain = match.plain;
            std::u16string row = store::decodeWin1256(
                plain.size() > kSurahCodeLength ? plain.substr(kSurahCodeLength) : std::string_view());
            std::u16string vocalized = store::decodeWin1256(match.vocalized);
            std::u16string code = store::decodeWin1256(plain.substr(0, kSurahCodeLength));
            for (int pass = 1; pass < match.passes; ++pass) {
                List1.AddItem(row);
                List2.AddItem(vocalized);
                List3.AddItem(code);
            }
            List1.AddItem(std::move(row));
            List2.AddItem(std::move(vocalized));
            List3.AddItem(std::move(code));
        }
    } catch (const store::VerseFileError& fault) {
        // Rows read before the fault would be a partial result: none is kept. The term
        // stays in the search box, so Enter repeats the search once the file is back.
        List1.Clear();
        List2.Clear();
        List3.Clear();
        List1.setVisible(true);
        app::showNotice(*this, app::verseFileFault(fault.fileName()));
        Show(); // hidden while tracking started the search, the notice would go unseen
        return false;
    }
    List1.setVisible(true);
    return true;
}

// No row: the notice; one row: sent at once; more: the list, to choose from.
void Options_Form::answerSearch() {
    const int rows = List1.ListCount();
    Label1.setCaption(store::fromUtf8(std::to_string(rows)));
    if (Check2.value() == 1 && rows == 1) List1.setListIndex(0);
    Label9.setCaption(Label1.caption());

    if (rows == 0) {
        app::showNotice(*this, u"غير موجودة");
        Timer2.setInterval(kFastTrackingInterval);
        if (Check8.value() == 1) Hide();
        Refresh();
        return;
    }

    Hide();
    setHeight(kListedHeight);
    fitLowerPanel();
    Label9.setVisible(true);
    Picture4.setTop(height() - Picture4.height() - 50);

    if (rows == 1) {
        DirectSend();
        return;
    }

    Text1.setText(u"");
    List1.setListIndex(0);
    Show();
    List1.SetFocus();
    services_.loop.yield();
    // A tick during the yield may have hidden the window; the focus then stays where it is.
    if (List1.visible() && visible()) List1.SetFocus();
    StartIt.setVisible(false);
}

} // namespace sahifex::app
