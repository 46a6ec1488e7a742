#!/usr/bin/env bash
# The Windows program on a screen of 144 dots per inch (150 %), as wine's LogPixels
# setting makes it: the windows are as large in inches as at 96, drawn sharp, and the
# pointer works every kind of control where the forms put them; a search pastes into notepad;
# in every state of the main window each control and caption is whole, measured at 144.
#
#   high-dpi-test.sh E2E_TESTS WINDOWS_BIN   (inside scripts/wine-session --wm, a prefix of its own)
set -u
e2e_tests="$1"
windows_bin="$2"
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    </dev/null >/dev/null 2>&1 || { echo "high-dpi-test: FAILED: LogPixels not set" >&2; exit 1; }
(cd "$windows_bin" && "$WINE64" ./view_win32_tests.exe --gtest_brief=1 \
    --gtest_filter='Screens/WindowStatesMeasured.*') ||
    { echo "high-dpi-test: FAILED: the window states at 144 DPI" >&2; exit 1; }
SAHIFEX_E2E_DPI=144 exec "$e2e_tests" --gtest_filter='WineScene.TheMainWindowIsAsWideInInchesAsItsForm:WineScene.ThePointer*:WineScene.OneMatchPastesItsVerseIntoNotepad'
