#include "platform/stand_in/stand_in_backends.h"

#include <cstdio>

namespace sahifex::platform::stand_in {

StandInKeyboardLayouts::StandInKeyboardLayouts(std::string reason) : reason_(std::move(reason)) {
    std::fprintf(stderr, "sahifex: keyboard layouts cannot be switched: %s\n", reason_.c_str());
}

void StandInKeyboardLayouts::loadAndActivate(const std::string& id) {
    std::fprintf(stderr, "sahifex: layout %s not activated: %s\n", id.c_str(), reason_.c_str());
}

StandInKeystrokes::StandInKeystrokes(std::string reason) : reason_(std::move(reason)) {
    std::fprintf(stderr, "sahifex: keystrokes cannot be sent: %s\n", reason_.c_str());
}

bool StandInKeystrokes::sendKeysAndWait(const std::string& keys) {
    std::fprintf(stderr, "sahifex: keys %s not sent: %s\n", keys.c_str(), reason_.c_str());
    return false;
}

} // namespace sahifex::platform::stand_in
