#pragma once
// What the program uses when the keyboard backends of the display cannot be had: it
// goes on running (search, clipboard, tracking), and says on stderr why no verse is
// pasted and no layout switched.

#include <string>

#include "platform/autostart.h"
#include "platform/foreground_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"

namespace sahifex::program {

class StandInKeyboardLayouts : public platform::KeyboardLayouts {
public:
    explicit StandInKeyboardLayouts(std::string reason);
    std::string activeLayoutName() override { return {}; }
    void loadAndActivate(const std::string& id) override;

private:
    std::string reason_;
};

class StandInKeystrokes : public platform::Keystrokes {
public:
    explicit StandInKeystrokes(std::string reason);
    bool sendKeysAndWait(const std::string& keys) override;

private:
    std::string reason_;
};

// Without a foreground-window backend the focus stays where the window system puts it.
class StandInForegroundWindow : public platform::ForegroundWindow {
public:
    void remember() override {}
    void handBack() override {}
};

// Without an autostart backend the option cannot take effect, and says so.
class StandInAutostart : public platform::Autostart {
public:
    bool setEnabled(bool) override { return false; }
};

} // namespace sahifex::program
