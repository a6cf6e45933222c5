#!/usr/bin/env bash
# Runs one test executable in a fresh temporary working directory, headless.
# usage: run-test.sh plain|netns EXECUTABLE [ARGS...]
set -u
mode=$1; shift
work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export QT_QPA_PLATFORM=offscreen
# One watchdog: ctest stops a test after 900 s, so QtTest's own limit of 300 s per test function (too
# short for a whole recorded log in the sanitized build on a shared processor) is raised to the same.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-900000}
case "$mode" in
plain)
    "$@"
    ;;
netns)
    # A private network namespace: only its own loopback exists, with multicast
    # routed to it. Needs root or unprivileged user namespaces.
    userns=""
    [ "$(id -u)" -ne 0 ] && userns="--map-root-user"
    unshare --net $userns -- sh -c '
        ip link set lo up &&
        ip link set lo multicast on &&
        ip route add 224.0.0.0/4 dev lo &&
        exec "$@"' sh "$@"
    ;;
*)
    echo "run-test.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
