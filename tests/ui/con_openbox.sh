#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program on the current X server under openbox, once openbox manages
# the screen, and ends openbox afterwards.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    i=$((i + 1))
    [ "$i" -gt 100 ] && { echo "openbox did not start" >&2; kill "$wm"; exit 1; }
    sleep 0.1
done
"$@"
rc=$?
kill "$wm"
exit "$rc"
