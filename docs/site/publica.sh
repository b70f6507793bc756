#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the web pages in DEST, ready to copy to the web host's root, with
# their images taken from resources/ and the screenshot from docs/, so the
# site never holds copies of its own.
#
#   sh docs/site/publica.sh DEST
set -eu
[ $# -eq 1 ] || { echo "usage: $0 DEST" >&2; exit 2; }
sitio=$(cd "$(dirname "$0")" && pwd)
raiz=$(cd "$sitio/../.." && pwd)
destino=$1
mkdir -p "$destino/velmora/img"
cp "$sitio/index.html" "$destino/"
cp "$sitio/velmora/index.html" "$sitio/velmora/instrucciones.html" "$destino/velmora/"
cp "$raiz"/resources/*.gif "$raiz/docs/velmora.png" "$destino/velmora/img/"
