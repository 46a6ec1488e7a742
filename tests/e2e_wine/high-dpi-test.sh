#!/usr/bin/env bash
# The Windows program on a screen of 144 dots per inch (150 %), as wine's LogPixels
# setting makes it: the windows are as large in inches as at 96, drawn sharp, and the
# pointer works every kind of control where the forms put them; a search pastes into notepad.
#
#   high-dpi-test.sh E2E_TESTS     (inside scripts/wine-session --wm, a prefix of its own)
set -u
e2e_tests="$1"
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    </dev/null >/dev/null 2>&1 || { echo "high-dpi-test: FAILED: LogPixels not set" >&2; exit 1; }
SAHIFEX_E2E_DPI=144 exec "$e2e_tests" --gtest_filter='WineScene.TheMainWindowIsAsWideInInchesAsItsForm:WineScene.ThePointer*:WineScene.OneMatchPastesItsVerseIntoNotepad'
