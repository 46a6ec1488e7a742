// Composing the chosen verse and pasting it into the word processor: the send image,
// Enter in the result list and the direct send of a search's only result.

#include <string_view>

#include "app/main_window_values.h"
#include "app/options_form.h"
#include "app/verse_numbers.h"
#include "delivery/verse_text.h"

namespace sahifex::app {

std::u16string textBeforeVerseNumber(const std::u16string& row, size_t lastDistance) {
    const size_t length = row.size();
    for (size_t i = 2; i <= lastDistance && i <= length; ++i)
        if (row[length - i] == u' ') return row.substr(0, length - i);
    return row;
}

std::u16string bracketed(const Options_Form& form, const std::u16string& quotation,
                         const std::u16string& reference) {
    const bool ornate = form.OrnateBrackets.value() == 1;
    return (ornate ? u"\uFD3F" : u"[") + quotation + (ornate ? u"\uFD3E " : u"] ") + reference;
}

namespace {

constexpr int16_t kEnter = 13;

// Chooses the text of the selected verse into Label2: the plain row text when Check2 is
// ticked, else the vocalized line, with the built-in text of 2:282 for that verse.
void chooseVerse(Options_Form& form, size_t lastDistance) {
    if (form.Check2.value() == 1)
        form.Label2.setCaption(textBeforeVerseNumber(form.List1.text(), lastDistance));
    if (form.Check2.value() == 0) form.Label2.setCaption(form.List2.text());
    if (isLongVerse(form.CurrentSurahNumber, form.Label5.caption()) && form.Check2.value() == 0)
        form.Label2.setCaption(form.LongVerseText);
}

// The verse in brackets, then its reference.
std::u16string withReference(const Options_Form& form, const std::u16string& verse) {
    return bracketed(form, verse, form.Label4.caption() + u":" + form.Label5.caption());
}

// The verse with its reference, or alone when Check5 is not ticked.
std::u16string composeChosenVerse(const Options_Form& form) {
    if (form.Check5.value() == 0) return form.Label2.caption();
    return withReference(form, form.Label2.caption());
}

} // namespace

void Options_Form::SendIt_Click() {
    services_.clipboard.clear();
    if (Pic_search_settings.visible()) return;
    // Without a chosen verse (a search that found nothing leaves the last reference on
    // screen) there is nothing to send, least of all a reference without its verse.
    if (List1.listIndex() < 0) return;
    Hide();

    const size_t rowLength = List1.text().size();
    chooseVerse(*this, rowLength > 0 ? rowLength - 1 : 0);
    Text5.setText(composeChosenVerse(*this));

    if (PasteText(Text5.text()) == PasteResult::NotOnClipboard) return;
    Text1.setText(u"");
    program_.LastClipText.clear();
}

void Options_Form::List1_KeyPress(int16_t& keyAscii) {
    if (keyAscii != kEnter) return;
    program_.BlinkPhase = -1;
    List2.setListIndex(List1.listIndex());
    Text5.setText(withReference(*this, List2.text()));

    auto& clipboard = services_.clipboard;
    clipboard.clear();
    Hide();
    SetKbLayout(kArabicLayout);
    clipboard.clear();
    const PasteResult result = PasteText(Text5.text(), [this] { Text1.setText(u""); });
    // The editor asks for the text only after it got the keys; when it never asked, the
    // verse stays on the clipboard, for the user to paste by hand.
    if (result == PasteResult::Pasted) clipboard.clear();
    program_.BlinkPhase = 0;
}

void Options_Form::DirectSend() {
    setHeight(kCompactHeight);
    fitLowerPanel();
    Picture4.setTop(kCompactStatusTop);
    Label9.setVisible(false);
    Hide();

    List1.setListIndex(0);
    chooseVerse(*this, List1.text().size());
    ComposedText = composeChosenVerse(*this);

    services_.clipboard.clear();
    if (PasteText(ComposedText) == PasteResult::NotOnClipboard) return;
    Text1.setText(u"");
}

} // namespace sahifex::app
