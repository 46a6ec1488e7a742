#pragma once
// The text that the program itself put on the clipboard. Every send leaves its
// composed text there; the watcher must not take it for a copy by the user, or a
// verse that ends in a letter would be searched for and pasted a second time.

#include <string>

#include "app/program_state.h"
#include "platform/clipboard.h"

namespace sahifex::app {

// Puts the program's own text on the clipboard and remembers it; false when the
// clipboard could not be written (then nothing is remembered).
bool setOwnClipboardText(platform::Clipboard& clipboard, app::ProgramState& program,
                         const std::u16string& text);

// Whether the clipboard's text is the one the program put there last. Once the
// clipboard holds any other text (a copy by the user), the program's text is
// forgotten, so that a later copy of that same text by the user is taken as new.
// An empty clipboard forgets nothing and is never the program's own text.
bool isOwnClipboardText(app::ProgramState& program, const std::u16string& clipText);

} // namespace sahifex::app
