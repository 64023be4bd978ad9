#!/usr/bin/env bash
# Installs the build into a fresh folder and checks what a desktop needs to find and run it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
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
echo "installed tree complete"
