#!/usr/bin/env bash
# Installs Corvanta into a scratch prefix and checks that a desktop finds there all it needs to list it:
# the program, its menu entry, the icon in every size and the AppStream metainfo, all named by the program's id,
# the scenario's file type and its icon, and the Debian documents, and nothing else. The menu entry, the metainfo
# and the file type are checked by tests of their own.
set -euo pipefail
build=$1
prefix=$2

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 22 24 32 48 64 128 256)
expected=(
    bin/corvanta
    bin/corvanta-calc
    share/applications/com.brellin.Corvanta.desktop
    share/mime/packages/com.brellin.Corvanta.xml
    share/icons/hicolor/scalable/apps/com.brellin.Corvanta.svg
    share/icons/hicolor/scalable/mimetypes/application-x-corvanta-scenario.svg
    share/metainfo/com.brellin.Corvanta.metainfo.xml
    share/doc/corvanta/copyright
    share/doc/corvanta/changelog.gz
    share/man/man1/corvanta.1.gz
    share/man/man1/corvanta-calc.1.gz
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/com.brellin.Corvanta.png"
        "share/icons/hicolor/${size}x${size}/mimetypes/application-x-corvanta-scenario.png")
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ from the expected list:
$(diff <(echo "$wanted") <(echo "$installed") || true)"

[ -x "$prefix/bin/corvanta" ] || fail "bin/corvanta is not executable"
# The command line needs no display.
payment=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C "$prefix/bin/corvanta-calc" loan --rate 7 \
    --years 15 --amount 100000 | head -1) || true
[ "$payment" = "Monthly Payment =  \$898.83" ] || fail "bin/corvanta-calc answered '$payment'"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/com.brellin.Corvanta.png"
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "${size}x${size} icon is $width x $height"
done

desktop="$prefix/share/applications/com.brellin.Corvanta.desktop"
# A file manager hands the menu entry's command the file to open.
for line in "Exec=corvanta %f" "Categories=Office;Finance;" "Name=Corvanta"; do
    grep -qxF "$line" "$desktop" || fail "the menu entry lacks '$line'"
done
icon=$(sed -n 's/^Icon=//p' "$desktop")
for path in "scalable/apps/$icon.svg" "48x48/apps/$icon.png"; do
    [ -f "$prefix/share/icons/hicolor/$path" ] || fail "the menu entry's icon '$icon' is not installed as $path"
done

gzip -t "$prefix/share/doc/corvanta/changelog.gz" "$prefix/share/man/man1/corvanta.1.gz" \
    "$prefix/share/man/man1/corvanta-calc.1.gz" || fail "a .gz is damaged"
grep -q '^License: GPL-3+$' "$prefix/share/doc/corvanta/copyright" || fail "copyright names no GPL-3+ licence"

[ "$failures" -eq 0 ] && echo "installed layout under $prefix is complete"
exit $((failures > 0))
