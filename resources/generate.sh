#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every GIF, velmora.ico and the desktop icons in hicolor/ from the SVG sources.
#
# Needs: librsvg2-bin (rsvg-convert), python3-pil (Pillow for Debian's
# /usr/bin/python3, or any python3 that can import PIL) and imagemagick (only
# for the .ico).  Run from anywhere:   bash resources/generate.sh
# The output is deterministic: running it twice leaves git with no changes.
set -euo pipefail
cd "$(dirname "$0")"

# Prefer Debian's python (python3-pil); fall back to whatever python3 has PIL.
PY=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import PIL' 2>/dev/null; then PY=$candidate; break; fi
done
[ -n "$PY" ] || { echo "generate.sh: no python3 with Pillow (apt install python3-pil)" >&2; exit 1; }
# The real ImageMagick, not a wrapper earlier on PATH.
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=convert

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name  width height colours  mode (transparent | background colour)
gif() {
    local name=$1 w=$2 h=$3 colours=$4 mode=$5
    # The @2x file is what Qt loads instead on a screen at 200 %.
    for scale in 1 2; do
        local out=$name.gif
        [ "$scale" = 2 ] && out=$name@2x.gif
        rsvg-convert --width $((w * scale)) --height $((h * scale)) --format png -o "$tmp/$out.png" "$name.svg"
        if [ "$mode" = transparent ]; then
            "$PY" togif.py "$tmp/$out.png" "$out" "$colours" --transparent
        else
            "$PY" togif.py "$tmp/$out.png" "$out" "$colours" --background "$mode"
        fi
    done
}

gif semaforo_verde    18 40 256 transparent
gif semaforo_amarillo 18 40 256 transparent
gif semaforo_rojo     18 40 256 transparent
gif copiar            32 32 256 '#f0f0f0'
gif pegaycopia        32 32  16 transparent
gif pegar             32 32 256 '#f0f0f0'
gif borrar            32 32 256 '#f0f0f0'
gif cerrar            32 32  16 '#f0f0f0'
gif convertir         26 25  16 transparent
gif acerca           100 80 256 '#f0f0f0'

# Windows icon: exactly the pixels of convertir.gif, with its transparency as alpha.
"$CONVERT" convertir.gif -alpha on -define png:exclude-chunks=date,time "$tmp/icon.png"
"$CONVERT" "$tmp/icon.png" velmora.ico
# Desktop icons: the same gear on a square page, as an SVG and at the usual sizes.
id=example.velmora.Velmora
mkdir -p hicolor/scalable/apps
sed 's/width="26" height="25" viewBox="0 0 26 25"/width="26" height="26" viewBox="0 -0.5 26 26"/' convertir.svg \
    >hicolor/scalable/apps/$id.svg
grep -q 'viewBox="0 -0.5 26 26"' hicolor/scalable/apps/$id.svg || { echo "generate.sh: convertir.svg has a new size" >&2; exit 1; }
for px in 16 22 24 32 48 64 128 256; do
    mkdir -p hicolor/${px}x$px/apps
    rsvg-convert --width $px --height $px --format png -o hicolor/${px}x$px/apps/$id.png hicolor/scalable/apps/$id.svg
done
echo "generate.sh: done"
