#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: in the desktop session when there is
# one, else on a virtual screen (xvfb-run), where it runs until it is closed or stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/almanaxium
fi
echo "No desktop session: starting the window on a virtual screen (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/almanaxium
