#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB gives velmora_VERSION_ARCH.deb in the system layout: its control fields, with
# dependencies computed from the programs; its files, root's, under /usr only, with the manual
# pages and changelog compressed and the copyright where Debian expects them, and no settings
# file; and, where lintian is installed, no error from it (its warnings are printed).
#   deb.sh BUILD-DIR VERSION WITH-WINDOW(ON|OFF)
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falla() { echo "$*" >&2; exit 1; }

cpack --config "$1/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/log" 2>&1 || falla "$(cat "$tmp/log")"
deb=$tmp/velmora_${2}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || falla "no $deb"

for fila in "Package velmora" "Version $2" "Section text" "Priority optional" "Maintainer <"; do
    dpkg-deb -f "$deb" "${fila%% *}" | grep -qF "${fila#* }" || falla "${fila%% *}: $(dpkg-deb -f "$deb" "${fila%% *}")"
done
for d in "libc6 (>=" $( [ "$3" = ON ] && echo libqt6widgets6 libqscintilla2-qt6 ); do
    dpkg-deb -f "$deb" Depends | grep -qF "$d" || falla "Depends, not computed from the programs: $(dpkg-deb -f "$deb" Depends)"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 5 ] || falla "no long description"

dpkg-deb -c "$deb" | awk '{ print $2, $NF }' >"$tmp/lista"
! grep -vE '^root/root \./(usr/.*)?$' "$tmp/lista" || falla "a file outside /usr, or not root's"
! grep -E ' \./usr/[^/]+$| .*[Vv]elmora\.cfg$' "$tmp/lista" || falla "a file at the top of /usr, or a settings file"
esperados="bin/velmora-convert share/man/man1/velmora-convert.1.gz share/doc/velmora/copyright
    share/doc/velmora/changelog.gz share/doc/velmora/LICENSE"
[ "$3" = ON ] && esperados="$esperados bin/velmora share/man/man1/velmora.1.gz
    share/applications/example.velmora.Velmora.desktop share/icons/hicolor/48x48/apps/example.velmora.Velmora.png"
for f in $esperados; do
    grep -q " \./usr/$f$" "$tmp/lista" || falla "missing: /usr/$f"
done

if command -v lintian >/dev/null; then
    lintian "$deb" >"$tmp/lintian" 2>&1 || true
    grep '^W: ' "$tmp/lintian" || true
    ! grep -q '^E: ' "$tmp/lintian" || falla "$(cat "$tmp/lintian")"
fi
