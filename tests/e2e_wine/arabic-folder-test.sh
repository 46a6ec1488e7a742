#!/usr/bin/env bash
# The program copied into a folder with an Arabic name finds its verse files there and
# pastes a verse (its folder is read as a wide string, never through the ANSI code page).
#
#   arabic-folder-test.sh WINDOWS_BIN E2E_TESTS     (inside scripts/wine-session --wm)
set -u
bin="$1"
e2e_tests="$2"
folder="$WINEPREFIX/drive_c/برامج/صحيفة"
rm -rf "$WINEPREFIX/drive_c/برامج"
mkdir -p "$folder" && cp "$bin/sahifex.exe" "$bin/QuranV.Qur" "$bin/QuranT.Qur" "$folder/" || exit 1
SAHIFEX_WINDOWS_PROGRAM="$folder/sahifex.exe" "$e2e_tests" \
    --gtest_filter=WineScene.OneMatchPastesItsVerseIntoNotepad
status=$?
rm -rf "$WINEPREFIX/drive_c/برامج"
exit $status
