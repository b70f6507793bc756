#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Publishes the web pages to a scratch folder and checks that every image a
# page shows, and the screenshot the AppStream file points at, is there.
set -eu
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT
sh "$1/docs/site/publica.sh" "$destino"
faltan=0
for pagina in $(cd "$destino" && find . -name '*.html'); do
    carpeta=$(dirname "$pagina")
    for imagen in $(grep -o 'src="[^"]*"' "$destino/$pagina" | sed 's/^src="//; s/"$//'); do
        if [ ! -f "$destino/$carpeta/$imagen" ]; then
            echo "$pagina shows $imagen, which was not published"
            faltan=1
        fi
    done
done
[ -f "$destino/velmora/img/velmora.png" ] || { echo "no screenshot at velmora/img/velmora.png"; faltan=1; }
exit $faltan
