#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable folder's window shows on an X server in a mount namespace where the system's
# Qt and QScintilla, and its copy of every library the folder carries, are covered by
# /dev/null and Qt's plugin folder by an empty one; there the build's own window cannot start.
#   sin_qt.sh BUILD-DIR QT-PLUGIN-FOLDER     (77: no mount namespace here, skipped)
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
aislado="unshare -m"
[ "$(id -u)" -eq 0 ] || aislado="unshare -r -m"
$aislado true 2>/dev/null || exit 77
cmake --install "$1" --prefix "$tmp/v" >/dev/null
cat >"$tmp/dentro.sh" <<'FIN'
set -eu
for f in $(ldconfig -p | awk -v c="$1/lib" '$1 ~ /^lib(Qt6|qscintilla2_qt6)/ || system("test -e " c "/" $1) == 0 { print $NF }' |
           xargs readlink -f | sort -u); do
    mount --bind /dev/null "$f"
done
mount -t tmpfs none "$2"
timeout 10 env QT_QPA_PLATFORM=offscreen "$3" 2>/dev/null && r=0 || r=$?
[ $r -eq 127 ] || { echo "the build's window did not fail to load its libraries ($r)" >&2; exit 1; }
"$1/velmora" 2>"$1/log" &
i=0
until xwininfo -root -tree | grep -q '("velmora" "velmora")'; do
    i=$((i + 1))
    [ $i -le 300 ] && kill -0 $! 2>/dev/null || { cat "$1/log" >&2; exit 1; }
    sleep 0.1
done
grep -q "$1/lib/libQt6Core.so.6" /proc/$!/maps || { echo "Qt was not the folder's" >&2; exit 1; }
kill $!
FIN
$aislado xvfb-run -a sh "$tmp/dentro.sh" "$tmp/v" "$2" "$1/ui/velmora"
