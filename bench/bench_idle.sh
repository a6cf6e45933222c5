#!/usr/bin/env bash
# Processor time of the whole display unit with its main window shown: once while the junction-box peer
# sends its runtime values (8 values as single changes every 200 ms), once while nothing arrives (the peer
# stopped after that). The unit runs as a user starts it, on a virtual X display inside a private network
# namespace, and pairs with the junction-box peer program over multicast on the namespace's loopback, as
# tests/desktop/whole_program_netns.sh does it. The figure is the unit's user and system time from
# /proc/<pid>/stat over the measured seconds, as a share of one processor.
#
# usage: bench_idle.sh [--seconds N] [--cpu N] [--vary] TESSARY_PROGRAM JUNCTION_BOX_PEER
#   --seconds N  length of each measurement (default 60)
#   --cpu N      the processor the unit is pinned to with taskset (default: not pinned)
#   --vary       the peer changes each numeric value by a tenth on every send, so the screen redraws them
set -euo pipefail

# shellcheck source=../tests/desktop/desktop_session.sh
. "$(cd "$(dirname "$0")" && pwd)/../tests/desktop/desktop_session.sh"
enter_private_network "$0" "$@"

seconds=60
cpu=""
vary=""
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --cpu) cpu=$2; shift 2 ;;
    --vary) vary=--vary; shift ;;
    --) shift; break ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
done
if [ $# -ne 2 ]; then
    echo "usage: $0 [--seconds N] [--cpu N] [--vary] TESSARY_PROGRAM JUNCTION_BOX_PEER" >&2
    exit 2
fi
program=$(realpath "$1")
peer=$(realpath "$2")

work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-bench-idle.XXXXXX")
mkdir -p "$work/run" "$work/peer"
pids=()
peer_pid=""

cleanup() {
    local status=$?
    [ -n "$peer_pid" ] && kill -CONT "$peer_pid" 2>/dev/null
    stop_processes
    [ "$status" -ne 0 ] && show_logs 20
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# The unit's processor time so far in clock ticks: user and system time of all its threads.
ticks() {
    # The command name in parentheses may hold spaces; the fields counted after it do not.
    sed 's/^.*) //' "/proc/$program_pid/stat" | awk '{ print $12 + $13 }'
}

# measure LABEL: the share of one processor the unit takes over the measured seconds.
measure() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before \"$1\""
    local hz start_ticks start_ns end_ticks end_ns
    hz=$(getconf CLK_TCK)
    start_ticks=$(ticks)
    start_ns=$(date +%s%N)
    sleep "$seconds"
    end_ticks=$(ticks)
    end_ns=$(date +%s%N)
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended during \"$1\""
    awk -v label="$1" -v t=$((end_ticks - start_ticks)) -v hz="$hz" -v ns=$((end_ns - start_ns)) 'BEGIN {
        cpu = t / hz; wall = ns / 1e9
        printf "%-34s %6.2f s processor time in %5.1f s: %5.2f %% of one processor\n", label, cpu, wall, 100 * cpu / wall
    }'
}

start_virtual_display

(cd "$work/peer" && exec "$peer" --interval 200 $vary) >"$work/peer.log" 2>&1 &
peer_pid=$!
pids+=("$peer_pid")
wait_for 10 peer_printed LISTENING || fail "the peer did not start"

(cd "$work/run" && exec ${cpu:+taskset -c "$cpu"} "$program") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The network selection: the list opened, "lo" (the only interface here) chosen, then "Confirm". The
# dialog is given a moment to draw itself first, the list a moment to open (on a busy machine it takes
# longer than a press), and the sequence is pressed again if a press was lost.
dialog=$(window "Network Selection" 20)
for attempt in 1 2 3; do
    sleep 1
    press "$dialog" 120 65
    sleep 1
    press "$dialog" 120 65
    sleep 1
    press "$dialog" 70 105
    wait_for 20 xdotool search --onlyvisible --name "^Korvane Tessary - " && break
    xdotool search --onlyvisible --name "Network Selection" >/dev/null 2>&1 || break
done
window "^Korvane Tessary - " 60 >/dev/null
wait_for 30 peer_printed PAIRED || fail "the unit did not pair with the peer"
xdotool mousemove 799 479
sleep 5 # start-up work settles

echo "program: $program"
measure "8 values every 200 ms (${seconds} s)"

# Nothing arrives from here on: the peer is stopped. Without values the unit takes the link as lost
# after its supervision time, shows the blinking link alarm and asks for a new pairing, which nobody
# answers.
kill -STOP "$peer_pid"
sleep 15
measure "nothing arriving (${seconds} s)"
