#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test program as an unprivileged user, from a folder of its
# own, so that folder and file permissions bind as they do for users. As a
# user already, it just runs the program.
set -eu
programa=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$programa" "$@"
fi
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
cp "$programa" "$carpeta/"
mkdir "$carpeta/runtime"
chmod 700 "$carpeta/runtime"
chown -R nobody "$carpeta"
chmod 755 "$carpeta"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$carpeta" XDG_CONFIG_HOME="$carpeta/config" XDG_RUNTIME_DIR="$carpeta/runtime" "$carpeta/$(basename "$programa")" "$@"
