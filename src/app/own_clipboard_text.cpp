#include "app/own_clipboard_text.h"

namespace sahifex::app {

bool setOwnClipboardText(platform::Clipboard& clipboard, app::ProgramState& program,
                         const std::u16string& text) {
    if (!clipboard.setText(text)) return false;
    program.OwnClipText = text;
    return true;
}

bool isOwnClipboardText(app::ProgramState& program, const std::u16string& clipText) {
    if (clipText.empty() || program.OwnClipText.empty()) return false;
    if (clipText == program.OwnClipText) return true;
    program.OwnClipText.clear();
    return false;
}

} // namespace sahifex::app
