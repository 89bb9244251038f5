#!/usr/bin/env bash
# Runs lintian on the .deb that the package test built; errors fail, warnings are shown.
# Exits 77 (a ctest skip) where lintian is missing or no package was built.
set -euo pipefail
out=$1

command -v lintian >/dev/null || { echo "SKIP: lintian is missing (Debian lintian)"; exit 77; }
debs=("$out"/corvanta_*.deb)
# The package test skipped itself (its Debian tools are missing), or it would have failed and stopped this one.
[ -f "${debs[0]}" ] || { echo "SKIP: the package test built no .deb in $out"; exit 77; }
lintian --fail-on error --info "${debs[0]}"
