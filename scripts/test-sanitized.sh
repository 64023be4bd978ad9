#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs
# every test there: any memory error, leak of the program's own or undefined behaviour fails.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DALMANAXIUM_SANITIZE=ON >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan_toolkit.supp:print_suppressions=0
# The Debian package is made and checked from the build that ships (build/), not from sanitized
# binaries that no one installs.
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE package
