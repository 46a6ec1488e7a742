#include "platform/x11/x11_keyboard_layouts.h"

#include <X11/XKBlib.h>

#include <algorithm>
#include <utility>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

namespace {

// XKB layout names and the ids the program names them by.
constexpr std::pair<const char*, const char*> kLayoutIds[] = {
    {"us", "00000409"}, {"ara", "00000401"}, {"gb", "00000809"},
    {"fr", "0000040C"}, {"de", "00000407"},
};

// The third of the NUL-separated fields (rules, model, layout, variant, options),
// split at the commas.
std::vector<std::string> layoutsOfRulesNames(const std::string& rulesNames) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : rulesNames) {
        if (c == '\0') {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(std::move(field));
    std::vector<std::string> layouts;
    if (fields.size() < 3 || fields[2].empty()) return layouts;
    std::string layout;
    for (char c : fields[2] + ",") {
        if (c == ',') {
            layouts.push_back(std::move(layout));
            layout.clear();
        } else {
            layout += c;
        }
    }
    return layouts;
}

} // namespace

std::unique_ptr<X11KeyboardLayouts> X11KeyboardLayouts::create(std::string& error) {
    Display* display = qtDisplay(error);
    if (!display) return nullptr;
    int opcode = 0, event = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &errorBase, &major, &minor)) {
        error = std::string("The X display ") + DisplayString(display) +
                " has no XKB extension: the keyboard layout cannot be switched.";
        return nullptr;
    }
    installDisplayLossHandler();
    return std::make_unique<X11KeyboardLayouts>(display);
}

X11KeyboardLayouts::X11KeyboardLayouts(_XDisplay* display) : display_(display) {}

std::string X11KeyboardLayouts::layoutId(const std::string& xkbLayout) {
    for (auto [name, id] : kLayoutIds)
        if (xkbLayout == name) return id;
    return "";
}

std::vector<std::string> X11KeyboardLayouts::configuredLayouts() {
    auto rulesNames = rootStringProperty(display_, "_XKB_RULES_NAMES");
    return rulesNames ? layoutsOfRulesNames(*rulesNames) : std::vector<std::string>{};
}

std::optional<int> X11KeyboardLayouts::activeGroup() {
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return std::nullopt;
    return state.group;
}

std::string X11KeyboardLayouts::activeLayoutName() {
    auto group = activeGroup();
    auto layouts = configuredLayouts();
    if (!group || *group >= static_cast<int>(layouts.size())) return "";
    return layoutId(layouts[*group]);
}

void X11KeyboardLayouts::loadAndActivate(const std::string& id) {
    auto layouts = configuredLayouts();
    auto held = std::find_if(layouts.begin(), layouts.end(),
                             [&](const std::string& layout) { return layoutId(layout) == id; });
    if (held == layouts.end()) return;
    XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(held - layouts.begin()));
    XFlush(display_);
}

} // namespace sahifex::platform::x11
