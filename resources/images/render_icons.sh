#!/usr/bin/env bash
# Renders the scalable icon at the sizes the desktop icon theme installs. Run at development time
# in this folder after changing tessellix.svg; the PNGs are committed, so a build needs no
# renderer. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" tessellix.svg --output "tessellix-$size.png"
done
