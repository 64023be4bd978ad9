#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any of them is missing, and
# generates the locales of the five interface languages.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    # time zones, their names, the interface languages' locales
    tzdata libicu-dev locales
    # the window and the update service
    libwxgtk3.2-dev libgtk-3-dev fonts-dejavu-core libcurl4-openssl-dev
    # the chart of the day (PNG and SVG)
    libcairo2-dev
    # the calendar export
    libical-dev
    # the command line's batch lines are read by nlohmann's JSON reader (header only)
    nlohmann-json3-dev
    # tests and benchmarks (libssl-dev: the local HTTPS server); the window's tests run on a virtual screen
    libssl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev python3
    python3-icalendar
    xvfb xauth xdotool imagemagick desktop-file-utils
    # the accessibility test reads the window through the accessibility bus
    at-spi2-core dbus python3-pyatspi
    # the Debian package (cpack's dependencies come from dpkg-shlibdeps) and its checks
    dpkg-dev fakeroot lintian appstream man-db groff-base
    # the fuzz targets (libFuzzer of clang 14)
    clang libclang-rt-14-dev
)
locales=(de_DE.UTF-8 el_GR.UTF-8 en_US.UTF-8 es_ES.UTF-8 fr_FR.UTF-8)

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# locale -a writes "de_DE.utf8" for de_DE.UTF-8.
available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
wanted=()
for name in "${locales[@]}"; do
    normal=$(echo "$name" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
    grep -qx "$normal" <<<"$available" || wanted+=("$name")
done
if [ ${#wanted[@]} -gt 0 ]; then
    echo "Generating locales: ${wanted[*]}"
    for name in "${wanted[@]}"; do
        line="$name UTF-8"
        if grep -q "^# *$line" /etc/locale.gen 2>/dev/null; then
            "${sudo[@]}" sed -i "s/^# *$line/$line/" /etc/locale.gen
        elif ! grep -q "^$line" /etc/locale.gen 2>/dev/null; then
            echo "$line" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo[@]}" locale-gen
fi
