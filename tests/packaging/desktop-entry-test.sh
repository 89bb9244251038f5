#!/usr/bin/env bash
# Validates a menu entry with desktop-file-validate; its warnings and hints fail too, not only its errors.
# Exits 77 (a ctest skip) where the validator is missing.
set -uo pipefail
desktop=$1

command -v desktop-file-validate >/dev/null ||
    { echo "SKIP: desktop-file-validate is missing (Debian desktop-file-utils)"; exit 77; }
report=$(desktop-file-validate "$desktop" 2>&1)
status=$?
[ "$status" -eq 0 ] && [ -z "$report" ] && { echo "$(basename "$desktop") is valid"; exit 0; }
echo "$report"
exit 1
