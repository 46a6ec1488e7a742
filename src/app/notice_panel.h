#pragma once
// The main window's notice panel: "غير موجودة" after a fruitless search, and the faults
// that the user must see (a verse file that cannot be read, a clipboard that cannot be
// written, a verse that did not reach the editor).

#include <string>

namespace sahifex::app {

class Options_Form;

// Shows text in the notice panel, wrapped, with the panel fitted to hold it (never
// smaller than designed) and the window grown to hold the panel.
void showNotice(Options_Form& form, const std::u16string& text);

// The message for a verse file that is missing, unreadable or shorter than it must be.
std::u16string verseFileFault(const std::string& fileName);

// The message for a verse that could not be put on the clipboard.
inline constexpr const char16_t* kClipboardFault = u"تعذرت الكتابة في الحافظة، فلم تُرسل الآية";

// The message for a verse that the editor did not take: it stays on the clipboard.
inline constexpr const char16_t* kNotDelivered =
    u"لم تصل الآية إلى المحرر، وهي في الحافظة: الصقها بـ Ctrl+V";

} // namespace sahifex::app
