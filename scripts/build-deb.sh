#!/usr/bin/env bash
# Builds the Debian package build-deb/corvanta_<version>_<arch>.deb (Release, without the tests).
# Installs what the build needs on Debian/Ubuntu first, as ./run does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${RUN_PACKAGES[@]}" "${DEB_PACKAGES[@]}"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTA_WERROR="$(werror_setting)" \
    -DCORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/corvanta_*.deb)
echo "Built $deb; install it with: sudo apt install ./$deb"
