#!/usr/bin/env bash
# Installs what is missing, checks that no include points to a higher layer, builds
# everything and runs every test twice: once in a plain build and once built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
# Fails on a layering fault, on any failing test and on any sanitizer report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/check-layers.sh"
jobs=$(nproc)

run_suite() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

echo "== plain build"
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== sanitized build (ASan + UBSan)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTESSARY_SANITIZE=ON -DTESSARY_BUILD_BENCH=OFF
