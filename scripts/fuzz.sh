#!/usr/bin/env bash
# Fuzzes every target for longer: scripts/fuzz.sh [seconds per target, default 600]. Builds build-fuzz/ with
# the release's clang first (clang-14 on Debian 12, clang-19 on Debian 13). Each target keeps its corpus in build-fuzz/corpus/<target>/, so later runs go on from there;
# a failing input is saved as build-fuzz/<target>-crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

seconds=${1:-600}
CC="clang-$CLANG_VERSION" CXX="clang++-$CLANG_VERSION" cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTA_FUZZ=ON \
    -DCORVANTA_BUILD_APP=OFF -DCORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz
status=0
for fuzzer in build-fuzz/fuzz/*_fuzz; do
    target=${fuzzer##*/}
    mkdir -p "build-fuzz/corpus/$target"
    timed "$target" "$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=256 \
        -artifact_prefix="build-fuzz/$target-" "build-fuzz/corpus/$target" fuzz/seeds/* || status=1
done
exit $status
