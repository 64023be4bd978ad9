#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when any of them is missing.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
