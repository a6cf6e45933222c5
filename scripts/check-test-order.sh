#!/usr/bin/env bash
# Checks that every test case passes on its own and in any order: for each test executable of a build it
# lists the cases (-functions), runs each case alone, and then runs all of them in reverse order. Every run
# goes through tests/run-test.sh, so each has a fresh working directory and the "_netns" tests their own
# network namespace.
#
# usage: scripts/check-test-order.sh [-j JOBS] [BUILD_DIR] [TEST_NAME_REGEX]
#   BUILD_DIR        a configured and built tree (default: build)
#   TEST_NAME_REGEX  only the ctest tests whose name matches (default: all)
# Prints one line per failing run and its output under BUILD_DIR/test-order/; exits 1 when any run failed.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(( $(nproc) / 2 ))
[ "$jobs" -ge 1 ] || jobs=1
if [ "${1:-}" = "-j" ]; then
    jobs=$2
    shift 2
fi
build=$(cd "${1:-$root/build}" && pwd) || exit 2
filter=${2:-.}
runner=$root/tests/run-test.sh
out=$build/test-order
rm -rf "$out"
mkdir -p "$out"

# "Test command: .../run-test.sh "netns" "/path/tst_x"" for every registered test.
mapfile -t commands < <(cd "$build" && ctest -N -V -R "$filter" | sed -n 's/^.*Test command: //p')
if [ "${#commands[@]}" -eq 0 ]; then
    echo "check-test-order: no tests found in $build" >&2
    exit 2
fi

# One line per run: mode, executable, label, cases.
plan=$out/plan
: >"$plan"
for command in "${commands[@]}"; do
    eval "set -- $command"
    # Only the QtTest executables that run through the runner; a script test (the whole-program check)
    # has no cases to list.
    [ "$(basename "$1")" = "run-test.sh" ] || continue
    mode=$2
    exe=$3
    name=$(basename "$exe")
    mapfile -t cases < <(QT_QPA_PLATFORM=offscreen "$exe" -functions 2>/dev/null | sed -n 's/()$//p')
    if [ "${#cases[@]}" -eq 0 ]; then
        echo "check-test-order: $name lists no cases" >&2
        echo "$mode $exe $name.list-failed" >>"$plan"
        continue
    fi
    for case in "${cases[@]}"; do
        echo "$mode $exe $name.$case $case" >>"$plan"
    done
    reversed=()
    for ((i = ${#cases[@]} - 1; i >= 0; i--)); do
        reversed+=("${cases[i]}")
    done
    echo "$mode $exe $name.reverse ${reversed[*]}" >>"$plan"
done

run_one() {
    local mode=$1 exe=$2 label=$3
    shift 3
    if [ "$#" -eq 0 ]; then
        echo "FAIL $label (no cases listed)"
        return 0
    fi
    if "$runner" "$mode" "$exe" "$@" >"$out/$label.log" 2>&1; then
        rm -f "$out/$label.log"
    else
        echo "FAIL $label (see $out/$label.log)"
    fi
}
export -f run_one
export runner out

total=$(wc -l <"$plan")
echo "check-test-order: $total runs of ${#commands[@]} executables, $jobs at a time"
failures=$(xargs -P "$jobs" -L 1 bash -c 'run_one "$@"' _ <"$plan" | tee /dev/stderr | grep -c '^FAIL')
if [ "$failures" -ne 0 ]; then
    echo "check-test-order: $failures of $total runs failed"
    exit 1
fi
echo "check-test-order: all $total runs passed"
