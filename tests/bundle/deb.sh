#!/bin/sh
# cpack -G DEB gives velmora_VERSION_ARCH.deb in the system layout: its control fields,
# with dependencies computed from the programs, and its file list, with the manual pages
# and changelog compressed and the copyright file where Debian expects them. Then lintian,
# where installed, must report no error; its warnings are printed.
#   deb.sh BUILD-DIR VERSION WITH-WINDOW(ON|OFF)
set -eu
build=$1
version=$2
ventana=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

falla() {
    echo "$*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    exit 1
}
paquete=$tmp/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$paquete" ] || falla "no $paquete; cpack made: $(ls "$tmp")"

campo() { dpkg-deb -f "$paquete" "$1"; }
[ "$(campo Package)" = velmora ] || falla "Package: $(campo Package)"
[ "$(campo Version)" = "$version" ] || falla "Version: $(campo Version)"
[ "$(campo Section)" = text ] || falla "Section: $(campo Section)"
[ "$(campo Priority)" = optional ] || falla "Priority: $(campo Priority)"
[ -n "$(campo Maintainer)" ] || falla "no Maintainer"
[ "$(campo Description | wc -l)" -gt 5 ] || falla "no long description: $(campo Description)"
campo Depends | grep -q 'libc6 (>=' || falla "Depends was not computed from the programs: $(campo Depends)"
if [ "$ventana" = ON ]; then
    for d in libqt6widgets6 libqscintilla2-qt6; do
        campo Depends | grep -q "$d" || falla "Depends lacks $d: $(campo Depends)"
    done
fi

# Paths and owners; nothing outside /usr, nothing at its top, no settings file.
dpkg-deb -c "$paquete" | awk '{ print $2, $NF }' >"$tmp/lista"
grep -v '^root/root ' "$tmp/lista" && falla "files not owned by root"
sed 's/^[^ ]* //' "$tmp/lista" >"$tmp/rutas"
grep -v '^\./usr/' "$tmp/rutas" | grep -v '^\./$' && falla "files outside /usr"
grep -E '^\./usr/[^/]+$' "$tmp/rutas" && falla "files at the top of /usr"
grep -i 'velmora\.cfg' "$tmp/rutas" && falla "a settings file is installed"
esperados="usr/bin/velmora-convert usr/share/man/man1/velmora-convert.1.gz usr/share/doc/velmora/copyright
    usr/share/doc/velmora/changelog.gz usr/share/doc/velmora/LICENSE usr/share/doc/velmora/README.md"
[ "$ventana" = ON ] && esperados="$esperados usr/bin/velmora usr/share/man/man1/velmora.1.gz
    usr/share/applications/example.velmora.Velmora.desktop usr/share/metainfo/example.velmora.Velmora.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/example.velmora.Velmora.png"
for f in $esperados; do
    grep -qx "\./$f" "$tmp/rutas" || falla "missing from the package: /$f"
done

if command -v lintian >/dev/null; then
    lintian --no-tag-display-limit "$paquete" >"$tmp/lintian" 2>&1 || true
    grep '^W: ' "$tmp/lintian" || true
    if grep -q '^E: ' "$tmp/lintian"; then
        cat "$tmp/lintian" >&2
        falla "lintian reports errors"
    fi
fi
echo "$(basename "$paquete"): $(wc -l <"$tmp/rutas") paths; Depends: $(campo Depends)"
