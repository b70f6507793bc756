#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The man page renders without warnings, names every option that --help prints,
# and lists no option that --help has dropped.
#   man_page.sh VELMORA-CONVERT MAN-PAGE
set -eu
programa=$1
pagina=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$programa" --help >"$tmp/help"
groff -man -ww -z "$pagina" 2>"$tmp/warnings"
if [ -s "$tmp/warnings" ]; then
    echo "groff warns about $pagina:" >&2
    cat "$tmp/warnings" >&2
    exit 1
fi
groff -man -Tutf8 -P-cbou "$pagina" >"$tmp/man"

# Every token that looks like an option, wherever --help shows it.
grep -oE '(^|[[:space:][(,])--?[a-zA-Z][-a-zA-Z0-9]*' "$tmp/help" | sed 's/^[^-]*//' | sort -u >"$tmp/help-options"
# The options the man page describes: the tags of its OPTIONS section.
sed -n '/^OPTIONS/,/^[A-Z]/p' "$tmp/man" | grep -oE '^       --?[a-zA-Z][-a-zA-Z0-9]*' | sed 's/^ *//' |
    sort -u >"$tmp/man-options"

[ -s "$tmp/help-options" ] || { echo "no options found in --help" >&2; exit 1; }
falta=0
while read -r opcion; do
    if ! grep -qE -- "(^|[^-a-zA-Z0-9])$opcion([^-a-zA-Z0-9]|$)" "$tmp/man"; then
        echo "$pagina does not mention $opcion, which --help prints" >&2
        falta=1
    fi
done <"$tmp/help-options"
while read -r opcion; do
    if ! grep -qx -- "$opcion" "$tmp/help-options"; then
        echo "$pagina describes $opcion, which --help does not print" >&2
        falta=1
    fi
done <"$tmp/man-options"
[ $falta -eq 0 ] && echo "$(wc -l <"$tmp/help-options") options of --help described in $pagina"
exit $falta
