#!/usr/bin/env bash
# The Windows installer under wine: a silent install puts the program and its verse files
# into one folder under Program Files with a Start menu entry; the installed program runs
# and pastes a verse (so it found its verse files); the silent uninstall removes it all.
#
#   installer-test.sh INSTALLER E2E_TESTS     (inside scripts/wine-session --wm)
set -u
installer="$1"
e2e_tests="$2"
folder="$WINEPREFIX/drive_c/Program Files/Sahifex"
fail() { echo "installer-test: FAILED: $*" >&2; exit 1; }

[ -f "$installer" ] || fail "no installer at $installer"
rm -rf "$folder"
"$WINE64" "$installer" /S </dev/null || fail "the installer ended with status $?"
for file in sahifex.exe QuranV.Qur QuranT.Qur Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file is not in $folder"
done
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'Sahifex.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start menu entry"
echo "installed: $(ls "$folder" | tr '\n' ' '); Start menu: ${shortcut#"$WINEPREFIX/"}"

SAHIFEX_WINDOWS_PROGRAM="$folder/sahifex.exe" "$e2e_tests" \
    --gtest_filter=WineScene.OneMatchPastesItsVerseIntoNotepad || fail "the installed program did not paste"

# The uninstaller copies itself away and returns at once: wait for it to finish, the
# folder and the Start menu entry gone (in whichever order it removes them).
"$WINE64" "$folder/Uninstall.exe" /S </dev/null
for _ in $(seq 1 300); do
    [ -e "$folder" ] || [ -e "$shortcut" ] || break
    sleep 0.1
done
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start menu entry"
echo "installer-test: installed, ran, uninstalled"
