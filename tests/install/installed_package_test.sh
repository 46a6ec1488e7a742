#!/usr/bin/env bash
# The .deb made from this build: checked as Debian checks packages, unpacked into a scratch
# root, and its program started from there pastes a verse into a real editor, from a folder
# that its user cannot write (so the options go to the user's configuration folder).
#
#   installed_package_test.sh BUILD_DIR E2E_TESTS X11_SESSION
set -euo pipefail
build="$1" e2e="$2" session="$3"

scratch="$(mktemp -d /tmp/sahifex-deb.XXXXXX)"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb="$(ls "$scratch"/package/sahifex_*.deb)"
lintian --fail-on error "$deb"

root="$scratch/root"
dpkg -x "$deb" "$root"
[ "$(readlink "$root/usr/bin/sahifex")" = ../lib/sahifex/sahifex ] || {
    echo "usr/bin/sahifex is not the link to the program's folder"; exit 1; }
for file in usr/lib/sahifex/QuranV.Qur usr/lib/sahifex/QuranT.Qur \
            usr/share/applications/sahifex.desktop usr/share/icons/hicolor/scalable/apps/sahifex.svg \
            usr/share/icons/hicolor/48x48/apps/sahifex.png usr/share/doc/sahifex/copyright \
            usr/share/doc/sahifex/LICENSE-tanzil.txt usr/share/man/man1/sahifex.1.gz; do
    [ -f "$root/$file" ] || { echo "the package has no $file"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/sahifex.desktop"
# KWin hands its fake input (the paste keys on a Plasma Wayland session) only to the
# executable that a menu entry naming the interface points to.
grep -qx "Exec=/usr/lib/sahifex/sahifex" "$root/usr/share/applications/sahifex.desktop" &&
    grep -qx "X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input" \
        "$root/usr/share/applications/sahifex.desktop" || {
    echo "the menu entry does not ask KWin's fake input for the program"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q "libwayland-client0" || {
    echo "the package does not depend on the Wayland client library"; exit 1; }
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

export SAHIFEX_E2E_INSTALLED_PROGRAM="$root/usr/bin/sahifex"
unset SAHIFEX_E2E_SHOTS
# The test program runs from the scratch folder, which an ordinary user can reach whatever
# the build folder's permissions.
cp "$e2e" "$scratch/e2e_tests"
chmod 755 "$scratch/e2e_tests"
cd "$scratch"
if [ "$(id -u)" = 0 ]; then
    # Root may write anywhere: the editor and the program run as an ordinary user.
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod -R a-w "$root"
    as_user=()
fi
"$session" --wm --layouts us,ara -- "${as_user[@]}" "$scratch/e2e_tests" --gtest_filter='Installed.*'
