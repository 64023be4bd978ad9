#!/usr/bin/env bash
# Takes a screenshot of the main window in each interface language under a virtual screen:
# build/screenshots/main_<lang>.png. Needs xvfb-run, xdotool and ImageMagick's import.
# Extra arguments are NAME=value settings of the environment for every run.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/screenshots
mkdir -p "$out"
for lang in en de es fr el; do
    home=$(mktemp -d)
    env "$@" XDG_CONFIG_HOME="$home" LANGUAGE="$lang" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        build/bin/almanaxium &
        for i in $(seq 50); do xdotool search --name "^Almanaxium" >/dev/null 2>&1 && break; sleep 0.1; done
        sleep 1
        import -window root "'"$out"'/main_'"$lang"'.png"
        kill %1' >/dev/null 2>&1
    rm -rf "$home"
    convert "$out/main_$lang.png" -trim "$out/main_$lang.png"
    echo "$out/main_$lang.png"
done
