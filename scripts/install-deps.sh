#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only missing packages are installed; with --always the package lists are
# refreshed and every package is asked for (what CI does on a fresh machine).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libpulse-dev
    libgl1-mesa-dev libxkbcommon-dev fonts-dejavu-core
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth openbox trayer xdotool x11-utils imagemagick wmctrl desktop-file-utils
    pulseaudio pulseaudio-utils  # a sound server of its own for the tests that listen
    locales  # the sources of the comma-decimal locale that a conversion test builds
)

always=false
[[ "${1:-}" == "--always" ]] && always=true

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ! $always && ((${#missing[@]} == 0)); then
    echo "install-deps: every package is installed"
    exit 0
fi
$always && missing=("${packages[@]}")

sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}" </dev/null
