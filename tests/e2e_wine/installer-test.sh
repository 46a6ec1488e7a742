#!/usr/bin/env bash
# The Windows installer under wine, as a user meets it:
#  1. the user presses Enter through the installer's pages (English, the language its first
#     dialog offers here): it installs for this user only,
#     into the user's programs folder, asks for no administrator rights, and its last page's
#     "Run Sahifex" starts the program;
#  2. a silent uninstall while the program runs ends it, removes the program and the
#     autostart value, and keeps the user's settings;
#  3. a silent install again; the Start menu entry starts the installed program, which
#     finds its verse files and pastes a verse;
#  4. the user uninstalls from the uninstaller's window while the program runs and chooses
#     to remove the settings: nothing of ours is left;
#  5. an install for everyone goes to Program Files and is removed again;
#  6. the user picks Arabic in the first dialog: the pages and the uninstaller speak it.
#
#   installer-test.sh INSTALLER E2E_TESTS     (inside scripts/wine-session --wm)
set -u
installer="$1"
e2e_tests="$2"
logs="${TMPDIR:-/tmp}/sahifex-installer-test-$$"
mkdir -p "$logs"
fail() {
    import -window root "$logs/failure.png" 2>/dev/null
    echo "installer-test: FAILED: $* (screen: $logs/failure.png)" >&2
    exit 1
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
windows_named() { xdotool search --onlyvisible --name "^$1" 2>/dev/null; }
program_shows() { [ -n "$(xdotool search --onlyvisible --classname sahifex.exe 2>/dev/null)" ]; }
program_gone() { ! program_shows; }
unix_path() { "$WINE64" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
windows_env() { "$WINE64" cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
run_value() { "$WINE64" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Sahifex </dev/null 2>/dev/null; }
uninstall_entry() { "$WINE64" reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sahifex" </dev/null >/dev/null 2>&1; }

[ -f "$installer" ] || fail "no installer at $installer"
grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" ||
    fail "the installer asks for administrator rights"

folder="$(unix_path "$(windows_env LOCALAPPDATA)\\Programs\\Sahifex")"
start_menu="$(unix_path "$(windows_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")"
shortcut="$start_menu/Sahifex.lnk"
machine_folder="$WINEPREFIX/drive_c/Program Files/Sahifex"
[ -n "$folder" ] && [ -n "$start_menu" ] || fail "wine names no user folders"
rm -rf "$folder" "$machine_folder" "$shortcut"

# Presses Enter on the installer's window named $1 page by page, until the last page's
# "Run Sahifex" has started the program.
setup_runs() { kill -0 "$setup" 2>/dev/null; }
enter_through_pages() {
    page=0
    while setup_runs && ! program_shows; do
        [ $page -lt 20 ] || fail "the installer's pages do not end"
        window=$(windows_named "$1" | head -1)
        if [ -n "$window" ]; then
            import -window root "$logs/$1-page-$page.png" 2>/dev/null
            xdotool windowactivate --sync "$window" key Return 2>/dev/null
            page=$((page + 1))
        fi
        sleep 1
    done
    wait_until 30 program_shows || fail "Run Sahifex on the last page did not start the program"
    wait "$setup"
}

# ---- 1. Enter through the pages; the last one runs the program ----
"$WINE64" "$installer" </dev/null >"$logs/setup.log" 2>&1 &
setup=$!
wait_until 30 windows_named "Sahifex Setup" >/dev/null || fail "the installer shows no window"
enter_through_pages "Sahifex Setup"
for file in sahifex.exe QuranV.Qur QuranT.Qur LICENSE.txt LICENSE-tanzil.txt Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "$file is not in $folder"
done
[ ! -e "$machine_folder" ] || fail "a per-user install wrote into Program Files"
[ -f "$shortcut" ] || fail "no Start menu entry at $shortcut"
uninstall_entry HKCU || fail "no uninstall entry for the user"
uninstall_entry HKLM && fail "a per-user install wrote the computer's uninstall entry"
echo "installer-test: installed for the user in ${folder#"$WINEPREFIX/"} ($page pages); it runs"

# ---- 2. A silent uninstall ends the running program and keeps the settings ----
# What the program's options write: the autostart value, the settings beside the program.
"$WINE64" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Sahifex /t REG_SZ \
    /d "\"$(windows_env LOCALAPPDATA)\\Programs\\Sahifex\\sahifex.exe\"" /f </dev/null >/dev/null 2>&1
printf 'saved options\r\n' >"$folder/Sahifex.ini"
"$WINE64" "$folder/Uninstall.exe" /S </dev/null
gone_but_settings() { [ "$(ls -A "$folder" 2>/dev/null)" = "Sahifex.ini" ] && [ ! -e "$shortcut" ]; }
wait_until 30 gone_but_settings || fail "the silent uninstall left $(ls "$folder" | tr '\n' ' ')"
program_gone || fail "the running program was not ended"
run_value >/dev/null && fail "the autostart value is left"
uninstall_entry HKCU && fail "the uninstall entry is left"
[ "$(cat "$folder/Sahifex.ini")" = $'saved options\r' ] || fail "the kept settings changed"
echo "installer-test: a silent uninstall ended the program and kept only the settings"

# ---- 3. Installed again; the Start menu entry starts it; it pastes ----
"$WINE64" "$installer" /S </dev/null || fail "the silent install ended with status $?"
[ -f "$folder/sahifex.exe" ] && [ -f "$shortcut" ] || fail "the silent install did not install"
[ "$(cat "$folder/Sahifex.ini")" = $'saved options\r' ] || fail "installing again changed the settings"
rm "$folder/Sahifex.ini" # the paste test starts from the program's defaults
SAHIFEX_WINDOWS_PROGRAM="$folder/sahifex.exe" "$e2e_tests" \
    --gtest_filter=WineScene.OneMatchPastesItsVerseIntoNotepad || fail "the installed program did not paste"
"$WINE64" start /unix "$shortcut" </dev/null >/dev/null 2>&1 &
wait_until 30 program_shows || fail "the Start menu entry did not start the program"
echo "installer-test: the Start menu entry starts the program"

# ---- 4. The uninstaller's window, the settings removed too ----
printf 'saved options\r\n' >"$folder/Sahifex.ini"
"$WINE64" "$folder/Uninstall.exe" </dev/null >"$logs/uninstall.log" 2>&1 &
wait_until 30 windows_named "Sahifex Uninstall" >/dev/null || fail "the uninstaller shows no window"
xdotool windowactivate --sync "$(windows_named "Sahifex Uninstall" | head -1)" key Return # Uninstall
# Then it asks whether to keep the settings: No.
question() { [ "$(windows_named "Sahifex Uninstall" | wc -l)" -ge 2 ]; }
wait_until 30 question || fail "the uninstaller did not ask about the settings"
import -window root "$logs/settings-question.png" 2>/dev/null
program_gone || fail "the running program was not ended before the question"
xdotool key n
wait_until 30 test ! -e "$folder" || fail "the uninstall left $(ls "$folder" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start menu entry"
uninstall_entry HKCU && fail "the uninstall entry is left"
echo "installer-test: installed, ran, uninstalled; nothing is left"

# ---- 5. For everyone: Program Files and the computer's entry, all removed again ----
"$WINE64" "$installer" /S /AllUsers </dev/null || fail "the install for everyone ended with status $?"
[ -f "$machine_folder/sahifex.exe" ] || fail "the install for everyone is not in Program Files"
[ ! -e "$folder" ] || fail "the install for everyone wrote into the user's folder"
uninstall_entry HKLM || fail "no uninstall entry for the computer"
"$WINE64" "$machine_folder/Uninstall.exe" /S /RemoveSettings </dev/null
wait_until 30 test ! -e "$machine_folder" || fail "the uninstall left $(ls "$machine_folder" | tr '\n' ' ')"
uninstall_entry HKLM && fail "the computer's uninstall entry is left"
echo "installer-test: installed for everyone and removed"

# ---- 6. In Arabic, picked in the first dialog ----
"$WINE64" "$installer" </dev/null >"$logs/setup-arabic.log" 2>&1 &
setup=$!
wait_until 30 windows_named "Sahifex Setup" >/dev/null || fail "the installer asks for no language"
xdotool windowactivate --sync "$(windows_named "Sahifex Setup" | head -1)" key End Return # العربية
wait_until 30 windows_named "تنصيب Sahifex" >/dev/null || fail "the pages do not speak Arabic"
enter_through_pages "تنصيب Sahifex"
"$WINE64" "$folder/Uninstall.exe" </dev/null >"$logs/uninstall-arabic.log" 2>&1 &
wait_until 30 windows_named "إزالة Sahifex" >/dev/null || fail "the uninstaller does not speak Arabic"
xdotool windowactivate --sync "$(windows_named "إزالة Sahifex" | head -1)" key Return # إزالة
arabic_question() { [ "$(windows_named "إزالة Sahifex" | wc -l)" -ge 2 ]; }
wait_until 30 arabic_question || fail "the uninstaller did not ask about the settings"
import -window root "$logs/arabic-settings-question.png" 2>/dev/null
xdotool key Return # نعم: kept
wait_until 30 test ! -e "$folder/Uninstall.exe" || fail "the Arabic uninstall left $(ls "$folder" | tr '\n' ' ')"
rm -rf "$folder"
echo "installer-test: installed and removed in Arabic"
rm -rf "$logs"
