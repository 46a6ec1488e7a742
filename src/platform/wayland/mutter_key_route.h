#pragma once
// Ctrl+V on GNOME: the keys go by their key codes through mutter's remote desktop session,
// the one that owns the clipboard (mutter drops keysyms missing from the active layout).

#include <memory>

#include "platform/wayland/key_routes.h"
#include "platform/wayland/mutter_session.h"

namespace sahifex::platform::wayland {

std::unique_ptr<KeyRoute> mutterKeyRoute(std::shared_ptr<MutterSession> session);

} // namespace sahifex::platform::wayland
