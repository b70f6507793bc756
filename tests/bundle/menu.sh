#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-desktop adds the menu entry and icons of an unpacked bundle for the current
# user and removes them again, whatever characters the bundle's path holds, and
# touches nothing else.
#   menu.sh BUILD-DIR
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=example.velmora.Velmora

cmake --install "$build" --prefix "$tmp/staging" >/dev/null
# Every character that Exec quoting must escape, and a blank.
bundle="$tmp/Velmora 1.3 \$HOME \"q\" \`true\` back\\slash"
mv "$tmp/staging" "$bundle"
datos=$tmp/data
mkdir -p "$datos/applications" "$datos/icons/hicolor/48x48/apps"
echo "[Desktop Entry]" >"$datos/applications/other.desktop"
echo other >"$datos/icons/hicolor/48x48/apps/other.png"

falla() {
    echo "$*" >&2
    exit 1
}

# The value of a key, with the string escapes undone (only \\ occurs here).
valor() { # file key
    sed -n "s/^$2=//p" "$1" | sed 's/\\\\/\\/g'
}

iconos() { # folder: the nine icon files under it, one per line
    for t in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
        echo "$1/icons/hicolor/$t/apps/$id.png"
    done
    echo "$1/icons/hicolor/scalable/apps/$id.svg"
}

sin_restos() {
    restos=$(find "$datos" -name '*.tmp*')
    [ -z "$restos" ] || falla "temporary files left behind: $restos"
}

otros_intactos() {
    [ "$(cat "$datos/applications/other.desktop")" = "[Desktop Entry]" ] || falla "another desktop entry was changed"
    [ "$(cat "$datos/icons/hicolor/48x48/apps/other.png")" = other ] || falla "another icon was changed"
}

# Added through a link from another folder, as a user might keep it in ~/bin.
mkdir "$tmp/bin"
ln -s "$bundle/velmora-desktop" "$tmp/bin/velmora-desktop"
(cd "$tmp" && XDG_DATA_HOME=$datos bin/velmora-desktop add >/dev/null) || falla "add failed"
entrada=$datos/applications/$id.desktop
[ -f "$entrada" ] || falla "add wrote no $entrada"
informe=$(desktop-file-validate "$entrada") || falla "desktop-file-validate fails: $informe"
[ -z "$informe" ] || falla "desktop-file-validate warns: $informe"

# Exec is read as a desktop would: string escapes, then double-quote rules as in sh.
exec_=$(valor "$entrada" Exec)
eval "set -- $exec_"
if [ $# -ne 1 ] || [ "$1" != "$bundle/velmora" ]; then
    falla "Exec reads as '$*', not '$bundle/velmora'"
fi
[ "$(valor "$entrada" TryExec)" = "$bundle/velmora" ] || falla "TryExec is '$(valor "$entrada" TryExec)'"
[ "$(grep -c '^Exec=' "$entrada")" -eq 1 ] || falla "more than one Exec line"
iconos "$datos" | while read -r icono; do
    cmp -s "$icono" "$bundle/share/icons/${icono#"$datos"/icons/}" || falla "icon not copied: $icono"
done
otros_intactos
sin_restos

# Adding again replaces the same files with the same content.
copia=$(cat "$entrada")
XDG_DATA_HOME=$datos "$bundle/velmora-desktop" add >/dev/null || falla "second add failed"
[ "$(cat "$entrada")" = "$copia" ] || falla "a second add changed the entry"

XDG_DATA_HOME=$datos "$bundle/velmora-desktop" remove >/dev/null || falla "remove failed"
[ ! -e "$entrada" ] || falla "remove left $entrada"
iconos "$datos" | while read -r icono; do
    [ ! -e "$icono" ] || falla "remove left $icono"
done
otros_intactos
sin_restos

# Refusals: status, and nothing written. Each row: expected status, data folder, arguments.
mkdir -p "$tmp/blocked/applications/$id.desktop"
mkdir "$tmp/nowindow"
cp "$bundle/velmora-desktop" "$tmp/nowindow/"
cp -R "$bundle" "$tmp/100%"
while IFS='|' read -r estado donde guion argumentos; do
    set +e
    # shellcheck disable=SC2086  # the arguments are split on purpose
    (cd "$tmp" && XDG_DATA_HOME=$donde HOME=$tmp/home "$guion" $argumentos) >/dev/null 2>&1
    obtenido=$?
    set -e
    [ "$obtenido" -eq "$estado" ] || falla "'$guion $argumentos' with XDG_DATA_HOME='$donde' exited $obtenido, not $estado"
done <<FILAS
2|$datos|$bundle/velmora-desktop|
2|$datos|$bundle/velmora-desktop|install
1|relative/data|$bundle/velmora-desktop|add
1|$tmp/blocked|$bundle/velmora-desktop|add
1|$tmp/empty|$tmp/nowindow/velmora-desktop|add
1|$tmp/empty|$tmp/100%/velmora-desktop|add
FILAS
[ ! -e "$tmp/relative" ] || falla "a relative XDG_DATA_HOME was written to"
[ ! -e "$tmp/empty" ] || falla "a bundle without velmora added an entry"
[ -z "$(find "$tmp/blocked" -name '*.tmp*')" ] || falla "a refused add left temporary files"
[ -d "$tmp/blocked/applications/$id.desktop" ] || falla "the folder in the entry's way was replaced"
echo "velmora-desktop: add, add again and remove round trip; six refusals"
