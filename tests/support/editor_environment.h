#pragma once

#include <map>
#include <string>

// An editor started by a test keeps to itself, as on a desktop machine where dbus-launch
// and the portals are installed: with a session bus reachable, a second mousepad hands
// its file to the first and never shows a window, and GTK waits on the portal before
// opening one. The editor gets a bus address that leads nowhere (so nothing is
// autolaunched, and GLib runs it as an application of its own) and no portal.
inline void keepEditorToItself(std::map<std::string, std::string>& env,
                               const std::string& folder) {
    env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + folder + "/no-session-bus";
    env["GTK_USE_PORTAL"] = "0";
    env["GDK_DEBUG"] = "no-portals";
    env["NO_AT_BRIDGE"] = "1";
    env["GSETTINGS_BACKEND"] = "memory"; // no dconf, no first-run state
}
