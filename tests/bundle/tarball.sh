#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# CPack's tarball unpacks to one folder that holds the whole bundle, and its
# velmora-convert runs from there. With the window, the folder carries Qt and
# its plugins, and leaves the system's own libraries (C library, libGL, X11) outside.
#   tarball.sh BUILD-DIR VERSION WITH-WINDOW(ON|OFF) WITH-LIBRARIES(ON|OFF)
set -eu
build=$1
version=$2
ventana=$3
librerias=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -G TGZ -B "$tmp/pack" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    exit 1
}
paquete=$tmp/pack/velmora-$version-Linux.tar.gz
[ -f "$paquete" ] || { echo "no $paquete; cpack made: $(ls "$tmp/pack")" >&2; exit 1; }
mkdir "$tmp/unpacked"
tar -xzf "$paquete" -C "$tmp/unpacked"
carpeta=$tmp/unpacked/velmora-$version-Linux
[ "$(ls "$tmp/unpacked")" = "velmora-$version-Linux" ] || { echo "the tarball does not hold one folder:" >&2; ls "$tmp/unpacked" >&2; exit 1; }

esperados="velmora-convert README.md LICENSE share/man/man1/velmora-convert.1"
[ "$ventana" = ON ] && esperados="$esperados velmora velmora-desktop
    share/applications/example.velmora.Velmora.desktop share/metainfo/example.velmora.Velmora.metainfo.xml
    share/icons/hicolor/scalable/apps/example.velmora.Velmora.svg share/man/man1/velmora.1"
[ "$ventana" = ON ] && [ "$librerias" = ON ] && esperados="$esperados qt.conf lib/libQt6Widgets.so.6
    lib/libqscintilla2_qt6.so.15 plugins/platforms/libqxcb.so plugins/imageformats/libqgif.so"
falta=0
for f in $esperados; do
    [ -f "$carpeta/$f" ] || { echo "missing from the bundle: $f" >&2; falta=1; }
done
for px in 16 22 24 32 48 64 128 256; do
    [ "$ventana" = ON ] || break
    f=share/icons/hicolor/${px}x$px/apps/example.velmora.Velmora.png
    [ -f "$carpeta/$f" ] || { echo "missing from the bundle: $f" >&2; falta=1; }
done
[ -e "$carpeta/bin" ] && { echo "the programs went to bin/ instead of the top of the folder" >&2; falta=1; }
if ls "$carpeta/lib" 2>/dev/null | grep -E '^lib(c|GL|X11|xcb)\.so'; then
    echo "the bundle carries these libraries of the system" >&2
    falta=1
fi
[ $falta -eq 0 ] || exit 1

salida=$(cd "$tmp" && "$carpeta/velmora-convert" --version)
[ "$salida" = "velmora-convert $version" ] || { echo "--version printed '$salida'" >&2; exit 1; }
echo "velmora-$version-Linux.tar.gz: $(find "$carpeta" -type f | wc -l) files, $(du -k "$paquete" | cut -f1) KB, $salida"
