// Showing the selected result row: its surah, its verse number and its text, with the
// window fitted to the verse.

#include <string_view>

#include "app/layout_columns.h"
#include "app/options_form.h"
#include "app/verse_numbers.h"
#include "store/surah_table.h"

namespace sahifex::app {
namespace {

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The surah number of a surah code ("001" to "114"); -1 for a code that names no surah,
// which the surah table names "" so that the labels stay usable.
int16_t surahNumberOf(std::u16string_view code) {
    const int n = asciiDigitsValue(code);
    return static_cast<int16_t>(n <= 114 ? n : -1);
}

} // namespace

void Options_Form::List1_Click() {
    const int row = List1.listIndex();
    if (row < 0) return; // the selection was taken away: nothing to show

    const std::u16string rowText = List1.text();
    const size_t length = rowText.size();

    Text5.setVisible(false);
    List2.setListIndex(row);
    List3.setListIndex(row);

    CurrentSurahNumber = surahNumberOf(List3.text());
    Label4.setCaption(store::surahName(CurrentSurahNumber));
    app::fitReferenceLabels(*this);

    // The verse number: the last one to three characters, for the largest count whose
    // first character is a digit; a row ending in no digit leaves the label as it was.
    for (size_t tail = 1; tail <= 3 && tail <= length; ++tail)
        if (isAsciiDigit(rowText[length - tail])) Label5.setCaption(rowText.substr(length - tail));

    // The separator: the last space before the final character. Without one the whole
    // row is the verse text.
    size_t fromEnd = 2;
    while (fromEnd <= length && rowText[length - fromEnd] != u' ') ++fromEnd;
    const std::u16string plainText =
        fromEnd <= length ? rowText.substr(0, length - fromEnd) : rowText;

    // Here a ticked Check2 means the vocalized text.
    if (Check2.value() == 0) Label2.setCaption(plainText);
    if (Check2.value() == 1) Label2.setCaption(List2.text());
    if (isLongVerse(CurrentSurahNumber, Label5.caption()) && Check2.value() == 1)
        Label2.setCaption(LongVerseText);

    fitWindowToVerse(*this);
}

} // namespace sahifex::app
