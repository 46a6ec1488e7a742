#pragma once
// The backends a desktop gets when it cannot offer the real ones: the program goes on
// running (search, clipboard, tracking), and says on stderr why no verse is pasted and
// no layout switched.

#include <string>

#include "platform/autostart.h"
#include "platform/foreground_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"
#include "platform/single_instance.h"

namespace sahifex::platform::stand_in {

class StandInKeyboardLayouts : public KeyboardLayouts {
public:
    explicit StandInKeyboardLayouts(std::string reason);
    std::string activeLayoutName() override { return {}; }
    void loadAndActivate(const std::string& id) override;

private:
    std::string reason_;
};

class StandInKeystrokes : public Keystrokes {
public:
    explicit StandInKeystrokes(std::string reason);
    bool sendKeysAndWait(const std::string& keys) override;

private:
    std::string reason_;
};

// Without a foreground-window backend the focus stays where the window system puts it.
class StandInForegroundWindow : public ForegroundWindow {
public:
    void remember() override {}
    void handBack() override {}
};

// Without an autostart backend the option cannot take effect, and says so.
class StandInAutostart : public Autostart {
public:
    bool setEnabled(bool) override { return false; }
};

// Where no other copy can be found, this one runs: a second start is a second copy.
class StandInSingleInstance : public SingleInstance {
public:
    bool claim() override { return true; }
};

} // namespace sahifex::platform::stand_in
