#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Until the window exists this prints
# today's report for Berlin in the computer's own time zone; arguments replace the defaults (see
# almanaxium-cli --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cli=build/cli/almanaxium-cli
if [ $# -gt 0 ]; then
    exec "$cli" "$@"
fi
place=(--date "$(date +%F)" --lat 52.5161564 --lon 13.3775096)
# The computer's zone by name; when the catalogue does not list it, its offset from UT today.
zone=${TZ:-$(realpath /etc/localtime 2>/dev/null || true)}
zone=${zone#:}
zone=${zone#/usr/share/zoneinfo/}
case "$zone" in "" | Etc/UTC | Etc/UCT | Etc/Universal | Etc/Zulu | UCT | Universal | Zulu) zone=UTC ;; esac
if "$cli" "${place[@]}" --zone "$zone" 2>/dev/null; then
    exit 0
fi
offset=$(date +%z | awk '{ s = substr($0, 1, 1) == "-" ? -1 : 1;
                           print s * (substr($0, 2, 2) + substr($0, 4, 2) / 60) }')
exec "$cli" "${place[@]}" --offset "$offset"
