#!/usr/bin/env bash
# Takes docs/main-window.png: Corvanta's main window on a virtual X display (Xvfb), as a user first sees it
# on a later start (no welcome message).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${RUN_PACKAGES[@]}" xvfb xauth x11-utils imagemagick
configure_build
cmake --build build --target corvanta

scratch=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config/Brellin"
printf '[General]\nStartedBefore=true\n' > "$scratch/config/Brellin/Corvanta.conf"

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
sleep 1
DISPLAY=$display XDG_CONFIG_HOME="$scratch/config" XDG_STATE_HOME="$scratch/state" LANG=en_US.UTF-8 build/corvanta &
app=$!
for _ in $(seq 50); do
    window=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | awk '/"BRELLIN Corvanta/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "${window:-}" ] || { echo "The Corvanta window did not appear." >&2; exit 1; }
sleep 1
DISPLAY=$display import -window "$window" "${1:-docs/main-window.png}"
echo "Wrote ${1:-docs/main-window.png}"
