#pragma once
// Words and references as people copy and type them, read in the letters of the verse
// files: a word copied from a vocalized text, with tatweel, between quotes or
// brackets, after a direction mark from a web page, or written with Persian or Urdu
// letters, is the word the plain verse file holds.

#include <string>
#include <string_view>

namespace sahifex::store {

// Persian and Urdu letters as the Arabic ones the verse files use (ی ې ۍ as ي, ک as ك,
// ە ہ ۀ as ه); any other character as it is.
char16_t arabicLetter(char16_t c);

// Arabic-Indic and Persian digits as ASCII ones; any other character as it is.
char16_t asciiDigit(char16_t c);

// The text without diacritics, tatweel and direction marks, in Arabic letters, and
// without the white space and punctuation around it.
std::u16string lenientText(std::u16string_view text);

// A typed search as the flexible search reads it: as lenientText, but the white space
// typed around the word stays, as it does without the option (a space before or after
// a word asks for the start or the end of a word; spaces around "خيارات" make it the
// command word); only space and punctuation is no search (empty).
std::u16string lenientTyped(std::u16string_view typed);

// A copied text as the flexible search reads it: a reference (a surah's name, after the
// word "سورة" or not, ":" and a verse number) with the name as the surah table writes it, whatever its diacritics
// and hamza forms, and the number in ASCII digits; one word as lenientText makes it;
// anything else (a sentence) as copied, so that the clipboard watcher's rules keep it
// as quiet as ever.
std::u16string lenientCopy(std::u16string_view copied);

// The number of the surah a name names, whatever its diacritics and hamza forms; 0 for none.
int surahNumberByName(std::u16string_view name);

} // namespace sahifex::store
