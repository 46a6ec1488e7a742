#include "platform/wayland/key_routes.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

#include "kde-fake-input.h"
#include "platform/x11/x11_keystrokes.h"
#include "virtual-keyboard-unstable-v1.h"

namespace sahifex::platform::wayland {

namespace {

constexpr uint32_t kPressed = 1, kReleased = 0;

uint32_t nowMs() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// A whole keymap (evdev rules, pc105, us): GTK 3 ignores a Control given only as
// modifier state on a minimal one. Its text, and the mask of Control in it.
struct FullKeymap {
    std::string text;
    uint32_t controlMask = 0;
};

bool makeFullKeymap(FullKeymap& keymap) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context) return false;
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    xkb_keymap* compiled = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    bool made = false;
    if (compiled) {
        if (char* text = xkb_keymap_get_as_string(compiled, XKB_KEYMAP_FORMAT_TEXT_V1)) {
            keymap.text = text;
            std::free(text);
            const xkb_mod_index_t control = xkb_keymap_mod_get_index(compiled, XKB_MOD_NAME_CTRL);
            keymap.controlMask = control == XKB_MOD_INVALID ? 0 : 1u << control;
            made = keymap.controlMask != 0;
        }
        xkb_keymap_unref(compiled);
    }
    xkb_context_unref(context);
    return made;
}

// The keymap in a file the compositor can map; -1 when it cannot be made.
int keymapFile(const std::string& text) {
    const int fd = memfd_create("sahifex-keymap", MFD_CLOEXEC);
    if (fd < 0) return -1;
    const size_t size = text.size() + 1; // with its terminating NUL
    if (write(fd, text.c_str(), size) != static_cast<ssize_t>(size)) {
        close(fd);
        return -1;
    }
    return fd;
}

class VirtualKeyboardRoute : public KeyRoute {
public:
    VirtualKeyboardRoute(std::shared_ptr<WaylandConnection> connection,
                         zwp_virtual_keyboard_v1* keyboard, uint32_t controlMask)
        : connection_(std::move(connection)), keyboard_(keyboard), controlMask_(controlMask) {}
    ~VirtualKeyboardRoute() override {
        zwp_virtual_keyboard_v1_destroy(keyboard_);
        connection_->flush();
    }
    const char* name() const override { return "zwp_virtual_keyboard_v1"; }
    // Control as a key and as modifier state: GTK 3 looks at both.
    bool pressWithControl(uint32_t key) override {
        zwp_virtual_keyboard_v1_key(keyboard_, nowMs(), keys::kLeftControl, kPressed);
        zwp_virtual_keyboard_v1_modifiers(keyboard_, controlMask_, 0, 0, 0);
        zwp_virtual_keyboard_v1_key(keyboard_, nowMs(), key, kPressed);
        zwp_virtual_keyboard_v1_key(keyboard_, nowMs(), key, kReleased);
        zwp_virtual_keyboard_v1_key(keyboard_, nowMs(), keys::kLeftControl, kReleased);
        zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
        connection_->flush();
        return connection_->alive();
    }

private:
    std::shared_ptr<WaylandConnection> connection_;
    zwp_virtual_keyboard_v1* keyboard_;
    uint32_t controlMask_;
};

class FakeInputRoute : public KeyRoute {
public:
    explicit FakeInputRoute(std::shared_ptr<WaylandConnection> connection)
        : connection_(std::move(connection)) {
        org_kde_kwin_fake_input_authenticate(connection_->fakeInput(), "Sahifex",
                                             "pastes the chosen verse into your document");
        connection_->flush();
    }
    const char* name() const override { return "org_kde_kwin_fake_input"; }
    bool pressWithControl(uint32_t key) override {
        org_kde_kwin_fake_input* input = connection_->fakeInput();
        org_kde_kwin_fake_input_keyboard_key(input, keys::kLeftControl, kPressed);
        org_kde_kwin_fake_input_keyboard_key(input, key, kPressed);
        org_kde_kwin_fake_input_keyboard_key(input, key, kReleased);
        org_kde_kwin_fake_input_keyboard_key(input, keys::kLeftControl, kReleased);
        connection_->flush();
        return connection_->alive();
    }

private:
    std::shared_ptr<WaylandConnection> connection_;
};

class XTestRoute : public KeyRoute {
public:
    explicit XTestRoute(_XDisplay* display) : display_(display) {}
    const char* name() const override { return "XTest"; }
    bool pressWithControl(uint32_t key) override {
        return key == keys::kV && x11::pressControlV(display_);
    }
    bool byKeyCodes() const override { return false; }
    bool reachesWaylandPrograms() const override { return false; }

private:
    _XDisplay* display_;
};

} // namespace

std::unique_ptr<KeyRoute> virtualKeyboardRoute(std::shared_ptr<WaylandConnection> connection,
                                               std::string& error) {
    if (!connection->virtualKeyboards()) {
        error = "the Wayland compositor offers no virtual keyboard";
        return nullptr;
    }
    FullKeymap keymap;
    const int fd = makeFullKeymap(keymap) ? keymapFile(keymap.text) : -1;
    if (fd < 0) {
        error = "the keymap for the virtual keyboard cannot be made (xkeyboard-config missing?)";
        return nullptr;
    }
    zwp_virtual_keyboard_v1* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        connection->virtualKeyboards(), connection->seat());
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(keymap.text.size() + 1));
    close(fd); // the request carries a copy of it
    connection->flush();
    return std::make_unique<VirtualKeyboardRoute>(std::move(connection), keyboard,
                                                  keymap.controlMask);
}

std::unique_ptr<KeyRoute> fakeInputRoute(std::shared_ptr<WaylandConnection> connection,
                                         std::string& error) {
    if (!connection->fakeInput()) {
        error = "KWin's fake input is not offered to this program (its desktop entry must "
                "name org_kde_kwin_fake_input in X-KDE-Wayland-Interfaces)";
        return nullptr;
    }
    return std::make_unique<FakeInputRoute>(std::move(connection));
}

std::unique_ptr<KeyRoute> xtestRoute(_XDisplay* display) {
    return std::make_unique<XTestRoute>(display);
}

} // namespace sahifex::platform::wayland
