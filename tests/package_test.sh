#!/usr/bin/env bash
# Makes the Debian package from the build into a fresh folder and checks it as Debian's tools
# and a user would see it: its name, lintian, the metainfo, the manual pages, its dependencies,
# and the unpacked tree through the same checks as an installed one.
#   package_test.sh BUILD VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$out/almanaxium_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(cd "$out" && echo *.deb)"

# Warnings are shown for a person to weigh; an error fails the package.
lintian --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1 && status=0 || status=$?
grep '^W:' "$out/lintian.txt" || true
if grep '^E:' "$out/lintian.txt" >&2; then fail "lintian reports errors"; fi
[ "$status" -eq 0 ] || { cat "$out/lintian.txt" >&2; fail "lintian failed with status $status"; }

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libwxgtk3' <<<"$depends" || fail "Depends lacks the wxWidgets library: $depends"
grep -q 'libcurl' <<<"$depends" || fail "Depends lacks libcurl: $depends"

root=$out/root
dpkg-deb -x "$deb" "$root"
"$here/install_test.sh" --tree "$root/usr"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$out/appstream.txt" 2>&1 \
    || { cat "$out/appstream.txt" >&2; fail "invalid metainfo"; }
grep -q '<launchable type="desktop-id">almanaxium.desktop</launchable>' "$root"/usr/share/metainfo/*.metainfo.xml \
    || fail "the metainfo launches no almanaxium.desktop"
gzip -dc "$root/usr/share/doc/almanaxium/changelog.gz" >"$out/changelog"
[ "$(dpkg-parsechangelog -l "$out/changelog" -S Version)" = "$version" ] \
    || fail "the changelog's last entry is not version $version"

for program in almanaxium almanaxium-cli; do
    page=$root/usr/share/man/man1/$program.1.gz
    [ -f "$page" ] || fail "no manual page $program(1)"
    warnings=$(gzip -dc "$page" | groff -ww -man -Tutf8 -z 2>&1)
    [ -z "$warnings" ] || fail "$program(1) renders with warnings: $warnings"
    # man draws bold by overstriking when it writes to a file; the checks read the plain text.
    MANWIDTH=80 man -l -Tutf8 "$page" 2>"$out/man.err" | sed "s/.\x08//g" >"$out/$program.txt"
    [ ! -s "$out/man.err" ] || fail "man -l $program(1): $(cat "$out/man.err")"
    grep -q "^NAME" "$out/$program.txt" || fail "$program(1) renders no NAME"
done
# Every option that --help lists is in the page, so that the two cannot drift apart.
for option in $("$root/usr/bin/almanaxium-cli" --help | grep -o -- '--[a-z]\+' | sort -u); do
    grep -q -- "$option" "$out/almanaxium-cli.txt" || fail "almanaxium-cli(1) lacks $option"
done
for option in $("$root/usr/bin/almanaxium" --help | grep -o -- '--[a-z]\+' | sort -u); do
    grep -q -- "$option" "$out/almanaxium.txt" || fail "almanaxium(1) lacks $option"
done
echo "package $(basename "$deb") complete"
