#pragma once
// The clipboard side of a paste on Wayland: a clipboard that owns the program's text and
// tells when another program fetches it. The fetch after the keys says the editor took
// the text: the paste's success signal.

#include <functional>

namespace sahifex::platform::wayland {

class PasteSource {
public:
    virtual ~PasteSource() = default;
    // Whether the clipboard still holds the text of the last setText.
    virtual bool holdsOwnText() const = 0;
    // Called each time another program fetches the text of the last setText.
    std::function<void()> onTextFetched;
    // Called when another program takes the clipboard from the text of the last setText.
    std::function<void()> onOwnTextLost;
};

} // namespace sahifex::platform::wayland
