#!/usr/bin/env bash
# Takes a screenshot of the main window in each interface language under a virtual screen, and
# one of its month table (reached by the keyboard: Shift+Tab twice past the last control, "Chart...",
# to "Table...", then Space): build/screenshots/main_<lang>.png and month_<lang>.png. Needs xvfb-run, xdotool and ImageMagick's import.
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
        xdotool key shift+Tab shift+Tab; sleep 0.3; xdotool key space; sleep 2
        import -window root "'"$out"'/month_'"$lang"'.png"
        kill %1' >/dev/null 2>&1
    rm -rf "$home"
    for shot in main month; do
        convert "$out/${shot}_$lang.png" -trim "$out/${shot}_$lang.png"
        echo "$out/${shot}_$lang.png"
    done
done
