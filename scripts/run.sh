#!/usr/bin/env bash
# Installs what is missing, builds the display unit and starts it.
# Without a desktop the program runs on Qt's VNC platform at 800 x 480.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target tessary -j"$(nproc)"
# Settings files are kept relative to the working directory.
mkdir -p "$root/run"
cd "$root/run"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    port=${TESSARY_VNC_PORT:-5900}
    export QT_QPA_PLATFORM="vnc:size=800x480:port=$port"
    echo "No desktop found: the display unit runs on a VNC server."
    echo "Connect a VNC viewer to $(hostname -I 2>/dev/null | awk '{print $1}'):$port (display :$((port - 5900)))."
fi
exec "$root/build/src/tessary" "$@"
