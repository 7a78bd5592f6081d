#!/bin/sh
# Renders the 256 by 256 PNG icon from the scalable one. Both are committed, so
# a build never needs a renderer; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/icons/io.github.kubrel.Viverezitor.svg"
png="$here/icons/io.github.kubrel.Viverezitor.png"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icon.sh: rsvg-convert not found; install the Debian package librsvg2-bin" >&2
    exit 1
fi
rsvg-convert --width 256 --height 256 --format png --output "$png" "$svg"
echo "wrote $png"
