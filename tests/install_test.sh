#!/usr/bin/env bash
# Checks what a desktop needs to find and run the program in an installed tree.
#   install_test.sh BUILD          installs the build into a fresh folder and checks it
#   install_test.sh --tree PREFIX  checks a tree laid out already (an unpacked package's usr/)
set -euo pipefail
if [ "$1" = "--tree" ]; then
    prefix=$2
else
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$1" --prefix "$prefix" >/dev/null
fi
fail() { echo "install: $*" >&2; exit 1; }
[ -x "$prefix/lib/almanaxium/almanaxium" ] || fail "no program in lib/almanaxium"
[ "$(readlink -f "$prefix/bin/almanaxium")" = "$(readlink -f "$prefix/lib/almanaxium/almanaxium")" ] \
    || fail "bin/almanaxium does not lead to the program"
[ -f "$prefix/lib/almanaxium/Location/europe_en.txt" ] || fail "no place catalogue beside the program"
[ -f "$prefix/lib/almanaxium/Location/states/germany.txt" ] || fail "the catalogue is incomplete"
desktop-file-validate "$prefix/share/applications/almanaxium.desktop" || fail "invalid menu entry"
grep -q '^Exec=almanaxium$' "$prefix/share/applications/almanaxium.desktop" || fail "menu entry runs no almanaxium"
for size in 16 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/almanaxium.png" ] || fail "no ${size}px icon"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/almanaxium.svg" ] || fail "no scalable icon"
"$prefix/bin/almanaxium-cli" --date 2018-06-21 --lat 52.5 --lon 13.4 --zone Europe/Berlin | grep -q '4:43' \
    || fail "the installed report does not run"
"$prefix/bin/almanaxium-cli" --version | grep -qx 'almanaxium-cli [0-9.]*' || fail "the installed report has no version"
echo "installed tree complete"
