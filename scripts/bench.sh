#!/usr/bin/env bash
# Builds and runs Corvanta's benchmarks (bench/): the same set-up as ./test, then the figures on the offscreen
# platform and, on a virtual X display (Xvfb) on a free display number, on xcb. Arguments go to the
# benchmark program (--quick for fewer runs, --only startup|presses|schedule|core).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb
configure_build -DCORVANTA_BENCH=ON
cmake --build build --target corvanta_bench

scratch=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
# Xvfb picks a free display number itself and writes it to file descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
display=$(cat "$scratch/display")
DISPLAY=":$display" LANG=C.UTF-8 build/bench/corvanta_bench "$@"
