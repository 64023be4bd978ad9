#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test; then runs them all
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DALMANAXIUM_WARNINGS_AS_ERRORS=ON
ctest --test-dir build --output-on-failure -j "$(nproc)"
scripts/test-sanitized.sh
scripts/fuzz.sh 60
