#!/usr/bin/env bash
# Builds (installing what is missing) and runs every test; exits non-zero on any failure.
# With --sanitize, uses a separate build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--sanitize" ]; then
    build=$root/build-sanitize
    "$root/scripts/bootstrap.sh" "$build" -DZEP31_SANITIZE=ON -DZEP31_BUILD_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    build=$root/build
    "$root/scripts/bootstrap.sh" "$build"
fi

export QT_QPA_PLATFORM=offscreen
export ZEP31_ARTIFACTS=$build/artifacts
mkdir -p "$ZEP31_ARTIFACTS"
cd "$build"
ctest --output-on-failure --timeout 900 -j "$(nproc)"
