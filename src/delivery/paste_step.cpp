// The paste step that every send ends in: the text on the clipboard, the paste keystroke
// between the English and the Arabic layout, and the user told when the verse did not
// arrive.

#include "app/main_window_values.h"
#include "app/notice_panel.h"
#include "app/options_form.h"
#include "app/own_clipboard_text.h"

namespace sahifex::app {
namespace {

constexpr const char* kPaste = "^v";

// The main window, hidden for the paste, comes back with the notice.
void tellTheUser(Options_Form& form, const std::u16string& notice) {
    app::showNotice(form, notice);
    form.Show();
}

} // namespace

Options_Form::PasteResult Options_Form::PasteText(const std::u16string& text,
                                                  const std::function<void()>& beforeKeys) {
    // The program's own text: the watcher does not take it for a copy by the user. When
    // the clipboard cannot be written nothing may be pasted.
    if (!app::setOwnClipboardText(services_.clipboard, program_, text)) {
        tellTheUser(*this, app::kClipboardFault);
        return PasteResult::NotOnClipboard;
    }
    SetKbLayout(kEnglishLayout);
    if (beforeKeys) beforeKeys();
    const bool fetched = services_.keystrokes.sendKeysAndWait(kPaste);
    SetKbLayout(kArabicLayout);
    if (fetched) return PasteResult::Pasted;

    // The editor did not take the verse: no keys reached it, no editor had the focus, or
    // another program took the clipboard first. The verse is put back on the clipboard
    // (it may have been taken), for the user to paste by hand.
    if (!app::setOwnClipboardText(services_.clipboard, program_, text)) {
        tellTheUser(*this, app::kClipboardFault);
        return PasteResult::NotOnClipboard;
    }
    tellTheUser(*this, app::kNotDelivered);
    return PasteResult::NotFetched;
}

} // namespace sahifex::app
