#!/usr/bin/env bash
# The whole program as a user meets it, on a virtual X display inside a private network namespace:
# the display unit is started as it is installed, its network selection is pressed with xdotool
# ("lo", "Confirm"), and it pairs with a junction-box peer program (junction_box_peer) over multicast on
# the namespace's own loopback. The script checks what it can see (windows, pixels of the pictures,
# sentences the unit sent as the peer prints them) and leaves pictures of every step in PICTURE_DIR.
#
# usage: whole_program_netns.sh TESSARY_PROGRAM JUNCTION_BOX_PEER PICTURE_DIR
#
# A step is one line in main() below: press a point of a window, wait for a sentence, take a picture,
# check a region's colours. New checks (the runtime pages, the setup menu) are new lines there.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 3 ]; then
    echo "usage: $0 TESSARY_PROGRAM JUNCTION_BOX_PEER PICTURE_DIR" >&2
    exit 2
fi
program=$(realpath "$1")
peer=$(realpath "$2")
pictures=$3

# shellcheck source=desktop_session.sh
. "$here/desktop_session.sh"
enter_private_network "$0" "$@"

mkdir -p "$pictures"
pictures=$(realpath "$pictures")
work=$(mktemp -d "${TMPDIR:-/tmp}/tessary-desktop.XXXXXX")
mkdir -p "$work/run" "$work/peer" "$work/screen"
pids=()

cleanup() {
    local status=$?
    stop_processes
    [ "$status" -ne 0 ] && show_logs 40
    cp "$work/program.log" "$work/peer.log" "$pictures/" 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

step() {
    echo "-- $*"
}

# ---------------------------------------------------------------------------------------------------
# Helpers of the steps.

# geometry WINDOW: "X Y WIDTH HEIGHT" of the window on the screen.
geometry() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# long_press WINDOW X Y MILLISECONDS: the button held down for the time.
long_press() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
    sleep "$(awk "BEGIN { print $4 / 1000 }")"
    xdotool mouseup 1
    sleep 0.3
}

# picture NAME: the whole screen as PICTURE_DIR/NAME.png. The pointer is moved to the screen's
# bottom-right corner first, out of the way of what the picture and the region checks look at.
picture() {
    xdotool mousemove 799 479
    sleep 0.5 # the last paint reaches the frame buffer
    python3 "$here/screen_picture.py" save "$work/screen/Xvfb_screen0" "$pictures/$1.png" >/dev/null
    echo "   picture $pictures/$1.png"
}

# region X Y W H: the colours of a screen rectangle ("distinct=.. dominant=#.. share=.. mean=#..").
region() {
    python3 "$here/screen_picture.py" region "$work/screen/Xvfb_screen0" "$@"
}

# count_colour X Y W H #RRGGBB TOLERANCE: how many pixels of the rectangle have about the colour.
count_colour() {
    python3 "$here/screen_picture.py" count "$work/screen/Xvfb_screen0" "$@"
}

# distinct_colours X Y W H: the number of distinct colours of the rectangle.
distinct_colours() {
    region "$@" | sed 's/^distinct=\([0-9]*\).*/\1/'
}

# peer_saw REGEX: the peer received a sentence matching the extended regular expression.
peer_saw() {
    grep -Eq "^RX $1" "$work/peer.log"
}

expect_sentence() {
    local pattern=$1 seconds=${2:-10}
    wait_for "$seconds" peer_saw "$pattern" || fail "the unit sent no sentence matching $pattern"
    echo "   unit sent: $(grep -Em1 "^RX $pattern" "$work/peer.log" | cut -c4-)"
}

# trip_resets: how many trip resets the unit sent, as the peer printed them.
trip_resets() {
    grep -c '^RX \$PQRVAVG,Type_Runtime,SingleProperty,ESRuntime,Trip=0\*' "$work/peer.log" || true
}

trip_resets_reach() {
    [ "$(trip_resets)" -ge "$1" ]
}

program_alive() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended (see program.log)"
}

# ---------------------------------------------------------------------------------------------------
main() {
    step "virtual display"
    start_virtual_display -fbdir "$work/screen"
    echo "   DISPLAY=$DISPLAY"

    step "junction-box peer"
    # In a folder of its own: its copy of the setup looks for settings files where it runs.
    (cd "$work/peer" && exec "$peer" --interval 200) >"$work/peer.log" 2>&1 &
    pids+=($!)
    wait_for 10 peer_printed LISTENING || fail "the peer did not start: $(cat "$work/peer.log")"

    step "display unit"
    # Page A's first side button shows the trip counter (the 18th value a side button may show, index 17),
    # as a crew member chooses it on the runtime-page setup; the other side buttons keep their defaults.
    mkdir -p "$work/run/Setup_Files/MIRLOX RN4400"
    printf 'Type_LocalSetup,Information1=17' >"$work/run/Setup_Files/MIRLOX RN4400/CU_RuntimeScreenSetupA.txt"
    (cd "$work/run" && exec "$program") >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")

    step "network selection"
    local dialog
    dialog=$(window "Network Selection")
    picture 01-network-selection
    read -r dx dy dw dh <<<"$(geometry "$dialog")"
    [ "$dw" -ge 200 ] && [ "$dh" -ge 120 ] || fail "the network selection is ${dw}x${dh}"
    # The interface list, the button and the label: drawn, not a blank window.
    [ "$(distinct_colours $((dx + 20)) $((dy + 50)) 200 30)" -ge 3 ] || fail "the interface list is blank"
    [ "$(distinct_colours $((dx + 20)) $((dy + 90)) 100 30)" -ge 3 ] || fail "\"Confirm\" is blank"
    # The list opens and "lo" (the only interface here) is chosen from it; then "Confirm".
    press "$dialog" 120 65
    picture 02-interface-list
    press "$dialog" 120 65
    press "$dialog" 70 105

    step "main window"
    local main_window
    main_window=$(window "^Korvane Tessary - " 60)
    echo "   title: $(xdotool getwindowname "$main_window")"
    read -r mx my mw mh <<<"$(geometry "$main_window")"
    echo "   geometry: ${mw}x${mh}+${mx}+${my}"
    # The main window fills the screen; the network selection is gone.
    [ "$mx $my $mw $mh" = "0 0 800 480" ] || fail "the main window is not the whole screen"
    ! xdotool search --onlyvisible --name "Network Selection" >/dev/null || fail "the network selection stayed open"
    wait_for 30 peer_printed PAIRED || fail "the unit did not pair with the peer"
    program_alive
    expect_sentence '\$PQRVDEVSTART,'
    expect_sentence '\$PQRVPAIR,[A-Z0-9]+,GN1001,'
    expect_sentence '\$PQRVAVG,ackmessage'
    sleep 1 # a few runtime sends
    picture 03-main-window-paired
    echo "   main window: $(region 0 0 780 460)"
    # Page A: the five side buttons in a column at the right, the shared controls below them.
    echo "   side buttons: $(region 630 31 170 320)"
    [ "$(distinct_colours 630 31 170 320)" -ge 3 ] || fail "the side buttons of page A are blank"
    echo "   shared controls: $(region 630 351 170 120)"
    [ "$(distinct_colours 630 351 170 120)" -ge 3 ] || fail "the brightness and navigation controls are blank"
    program_alive

    step "setup menu"
    # A short press on "Config" (the title bar's first button) opens the setup menu.
    local before
    before=$(region 0 31 628 410)
    press "$main_window" 55 15
    picture 04-setup-menu
    echo "   setup side: $(region 0 31 628 410)"
    [ "$(region 0 31 628 410)" != "$before" ] || fail "\"Config\" left the screen as it was"
    # The menu: a column of light and mid-grey buttons at the right.
    echo "   menu: $(region 400 34 380 440)"
    [ "$(count_colour 400 34 380 440 '#cecece' 24)" -ge 20000 ] || fail "no setup menu buttons at the right"
    program_alive

    step "runtime-page setup"
    # The first menu row opens the runtime-page setup: the runtime pages shrunk into a preview at the
    # left, the rows of page A's settings at the right.
    press "$main_window" 590 79
    picture 05-runtime-page-setup
    echo "   preview: $(region 0 43 501 331)"
    [ "$(distinct_colours 0 43 501 331)" -ge 3 ] || fail "the runtime preview is blank"
    echo "   rows: $(region 510 34 270 440)"
    [ "$(count_colour 510 34 270 440 '#959595' 24)" -ge 5000 ] || fail "no setup rows at the right"
    # Held for 2 s, "Back" goes straight to the runtime side: the pages are back at full size, the side
    # buttons where they were before.
    long_press "$main_window" 55 15 2500
    picture 06-runtime-side-again
    echo "   side buttons: $(region 630 31 170 320)"
    [ "$(distinct_colours 630 31 170 320)" -ge 3 ] || fail "the side buttons of page A did not come back"
    [ "$(count_colour 400 34 380 440 '#cecece' 24)" -lt 2000 ] || fail "the setup side stayed on the screen"
    program_alive

    step "display setup"
    # The display pages lead back to their navigation page: "Back" from SCREEN SETUP lands on the
    # navigation page (SCREEN SETUP, REMOTE DIMMING SETUP, NETWORK SETUP at the right), "Back" again on
    # the setup menu, and DISPLAY SETUP then opens the navigation page again, so every display page stays
    # reachable. Pages are told apart by the colours of the navigation buttons' column.
    local navigation
    press "$main_window" 55 15
    press "$main_window" 590 438
    picture 07-display-setup
    navigation=$(region 420 34 370 264)
    echo "   navigation: $navigation"
    [ "$(count_colour 420 34 370 264 '#cecece' 24)" -ge 20000 ] || fail "DISPLAY SETUP shows no navigation buttons"
    press "$main_window" 610 78
    picture 08-screen-setup
    [ "$(region 420 34 370 264)" != "$navigation" ] || fail "SCREEN SETUP did not open its page"
    press "$main_window" 55 15
    picture 09-display-setup-back
    [ "$(region 420 34 370 264)" = "$navigation" ] || fail "Back from SCREEN SETUP did not land on the navigation page"
    press "$main_window" 55 15
    picture 10-setup-menu-again
    [ "$(count_colour 400 34 380 440 '#cecece' 24)" -ge 20000 ] || fail "Back from the navigation page did not reach the setup menu"
    press "$main_window" 590 438
    picture 11-display-setup-again
    [ "$(region 420 34 370 264)" = "$navigation" ] || fail "DISPLAY SETUP again did not show the navigation page"
    press "$main_window" 610 166
    picture 12-remote-dimming-setup
    [ "$(region 420 34 370 264)" != "$navigation" ] || fail "REMOTE DIMMING SETUP did not open its page"
    long_press "$main_window" 55 15 2500
    [ "$(distinct_colours 630 31 170 320)" -ge 3 ] || fail "the side buttons of page A did not come back"
    [ "$(count_colour 400 34 380 440 '#cecece' 24)" -lt 2000 ] || fail "the setup side stayed on the screen"
    program_alive

    step "trip resets"
    # Held for 1.4 s, the trip counter's side button resets the trip at the junction box: one single
    # change "Trip=0" per hold, sent once (runtime values are not acknowledged or repeated).
    local holds=20 resets
    for ((hold = 1; hold <= holds; hold++)); do
        long_press "$main_window" 715 62 1400
    done
    wait_for 5 trip_resets_reach "$holds" || true
    sleep 1 # nothing more arrives
    resets=$(trip_resets)
    echo "   trip resets at the peer: $resets of $holds holds"
    [ "$resets" -eq "$holds" ] || fail "$holds holds of the trip button reset the trip $resets times"
    picture 13-trip-reset
    program_alive

    step "done"
}

main
