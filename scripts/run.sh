#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Until the window exists this prints
# today's report for Berlin; arguments replace the defaults (see almanaxium-cli --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ $# -eq 0 ]; then
    # The computer's own offset from UT today, as decimal hours (+0530 gives 5.5).
    offset=$(date +%z | awk '{ s = substr($0, 1, 1) == "-" ? -1 : 1;
                               print s * (substr($0, 2, 2) + substr($0, 4, 2) / 60) }')
    set -- --date "$(date +%F)" --lat 52.5161564 --lon 13.3775096 --offset "$offset"
fi
exec build/cli/almanaxium-cli "$@"
