#!/bin/sh
# Compiles a locale into a folder of the build tree (for LOCPATH); localedef warns about some locales'
# sources but still writes them, so success is judged by the files it leaves.
set -u
folder=$1
name=$2
mkdir -p "$folder"
localedef -c -i "${name%%.*}" -f "${name#*.}" "$folder/$name" >/dev/null 2>&1
test -f "$folder/$name/LC_NUMERIC"
