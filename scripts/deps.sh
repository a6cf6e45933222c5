#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program and the tests need and
# is not there yet. Safe to run again: installs nothing when all is present.
set -euo pipefail
packages=(
    build-essential cmake
    qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev
    fonts-dejavu-core
    iproute2 util-linux socat
    xvfb xdotool python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
