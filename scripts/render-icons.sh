#!/usr/bin/env bash
# Renders the program's icon into the PNG sizes that desktops look for (Debian librsvg2-bin).
# The PNGs are committed, so the build itself needs no SVG converter; rerun this after editing the SVGs.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"

# The icon's files carry the program's id, which the menu entry and the AppStream metainfo share.
id=com.brellin.Corvanta
for size in 16 22 24 32 48 64 128 256; do
    # The large drawing blurs at 16 pixels; that size has a drawing of its own on a 16-pixel grid.
    source=$id.svg
    [ "$size" -eq 16 ] && source=$id-small.svg
    rsvg-convert --width "$size" --height "$size" "$source" --output "$id-$size.png"
done
