#!/bin/sh
# The include check on a planted tree: it names each arrow that runs up or sideways and
# each system header in the core, and passes the arrows the floors allow.
check=$(dirname "$0")/include_floors.sh
tree=$(mktemp -d) || exit 1
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/store" "$tree/app" "$tree/search" "$tree/platform/x11" "$tree/os"
printf '#include "app/options_form.h"\n#include "store/utf.h"\n#include "os/replace_file.h"\n' > "$tree/store/up.cpp"
printf '#include "bar/top_bar.h"\n#include <vector>\n#include <unistd.h>\n#include "local.h"\n' > "$tree/app/bar.cpp"
printf '#include "tracking/numeric_text.h"\n#include "platform/services.h"\n' > "$tree/search/side.cpp"
printf '#include "platform/xdg/xdg_autostart.h"\n#include <X11/Xlib.h>\n#include "forms/form.h"\n' > "$tree/platform/x11/deep.cpp"
printf '#include <windows.h>\n' > "$tree/os/windows_api.h"

expected='src/app/bar.cpp includes <unistd.h>: only os/ and the platform'"'"'s backends reach the system
src/search/side.cpp includes tracking/numeric_text.h: search may not include tracking
src/store/up.cpp includes app/options_form.h: store may not include app'
actual=$(sh "$check" "$tree" | grep '^src/' | sort)
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nfound:\n%s\n' "$expected" "$actual"
    exit 1
fi
sh "$check" "$tree" > /dev/null && { echo "the check passed a tree with arrows"; exit 1; }
rm "$tree/store/up.cpp" "$tree/app/bar.cpp" "$tree/search/side.cpp"
sh "$check" "$tree" || { echo "the check failed a tree without arrows"; exit 1; }
