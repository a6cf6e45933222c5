# Shared by the scripts that run the whole program on a virtual X display inside a private network
# namespace (the whole-program check and the processor-time benchmark); sourced, not run. The caller sets
# `work` (its scratch folder), the array `pids` (processes to stop on exit) and `program_pid`.

# enter_private_network SCRIPT ARGS...: runs the script again, with the same arguments, inside a network
# namespace of its own whose only link is the loopback, with multicast routed to it; returns when already
# inside. The machine's interfaces are out of reach from there on. Needs root or unprivileged user
# namespaces.
enter_private_network() {
    if [ "${TESSARY_DESKTOP_NETNS:-}" != "inside" ]; then
        local userns=""
        [ "$(id -u)" -ne 0 ] && userns="--map-root-user"
        exec unshare --net $userns -- env TESSARY_DESKTOP_NETNS=inside sh -c '
            ip link set lo up &&
            ip link set lo multicast on &&
            ip route add 224.0.0.0/4 dev lo &&
            exec "$@"' sh "$@"
    fi
    local links
    links=$(ip -o link show | awk -F': ' '{print $2}' | sed 's/@.*//' | sort | tr '\n' ' ')
    if [ "$links" != "lo " ]; then
        echo "FAIL: not alone in a network namespace (links: $links)" >&2
        exit 1
    fi
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for SECONDS COMMAND...: runs the command every 100 ms until it succeeds; fails after the time.
wait_for() {
    local limit=$(($1 * 10)); shift
    local tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -ge "$limit" ] && return 1
        sleep 0.1
    done
}

# start_virtual_display [XVFB_OPTIONS...]: an 800 x 480 Xvfb screen, made the display of what starts next.
start_virtual_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 800x480x24 "$@" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# window NAME_PATTERN [SECONDS]: the id of the visible window whose title matches, waited for.
window() {
    local pattern=$1 seconds=${2:-20}
    wait_for "$seconds" xdotool search --onlyvisible --name "$pattern" || fail "no window \"$pattern\""
    xdotool search --onlyvisible --name "$pattern" | head -n 1
}

# press WINDOW X Y: a click (press and release) at a point of the window.
press() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# peer_printed LINE: the peer program printed exactly this line.
peer_printed() {
    grep -qx "$1" "$work/peer.log"
}

# stop_processes: stops the processes this script started (`pids`), newest first, and waits for them.
stop_processes() {
    local i pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}

# show_logs LINES: the last lines of what the program and the peer printed, on standard error (a failing
# step may have its standard output redirected).
show_logs() {
    {
        echo "---- program output (last lines)"; tail -n "$1" "$work/program.log" 2>/dev/null || true
        echo "---- peer output (last lines)"; tail -n "$1" "$work/peer.log" 2>/dev/null || true
    } >&2
}
