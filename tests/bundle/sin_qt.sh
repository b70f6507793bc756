#!/bin/sh
# The portable folder's window starts on a system without Qt: in a mount namespace where
# every system library that the folder carries (Qt and QScintilla among them) is covered by
# /dev/null, and Qt's plugin folder by an empty one, it shows its window on an X server.
# The build's own window, which takes those libraries from the system, must fail there.
#   sin_qt.sh BUILD-DIR QT-PLUGIN-FOLDER
# Exits 77 (skipped) where no mount namespace can be made.
set -eu
build=$1
plugins_qt=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if [ "$(id -u)" -eq 0 ]; then
    aislado="unshare -m"
else
    aislado="unshare -r -m"
fi
$aislado true 2>/dev/null || { echo "no mount namespace here (unshare -m): skipped"; exit 77; }

cmake --install "$build" --prefix "$tmp/velmora" >/dev/null
cat >"$tmp/dentro.sh" <<'FIN'
set -eu
carpeta=$1 plugins_qt=$2 propia=$3
# Every Qt and QScintilla library of the system, and the system's copy of each library
# the folder carries.
tapadas=0
for sistema in $(ldconfig -p | awk -v carpeta="$carpeta/lib" '
        { nombre = $1; ruta = $NF }
        nombre ~ /^lib(Qt6|qscintilla2_qt6)/ || system("test -e \"" carpeta "/" nombre "\"") == 0 { print ruta }' |
        xargs -r readlink -f | sort -u); do
    mount --bind /dev/null "$sistema"
    tapadas=$((tapadas + 1))
done
mount -t tmpfs none "$plugins_qt"
[ "$tapadas" -gt 0 ] || { echo "no system library was hidden" >&2; exit 1; }

if QT_QPA_PLATFORM=offscreen "$propia" >/dev/null 2>&1; then
    echo "the build's own window started with the system's libraries hidden" >&2
    exit 1
fi

"$carpeta/velmora" >"$carpeta/registro" 2>&1 &
programa=$!
i=0
until xwininfo -root -tree | grep -q '("velmora" "velmora")'; do
    i=$((i + 1))
    if [ "$i" -gt 300 ] || ! kill -0 "$programa" 2>/dev/null; then
        echo "no window from the folder's velmora; it said:" >&2
        cat "$carpeta/registro" >&2
        kill "$programa" 2>/dev/null
        exit 1
    fi
    sleep 0.1
done
# Its Qt, from the folder.
grep -q "$carpeta/lib/libQt6Core.so.6" "/proc/$programa/maps" || { echo "Qt was not taken from the folder" >&2; exit 1; }
kill "$programa"
echo "the window showed with $tapadas system libraries hidden"
FIN
$aislado xvfb-run -a sh "$tmp/dentro.sh" "$tmp/velmora" "$plugins_qt" "$build/ui/velmora"
