#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs frame_probe under a window manager (Openbox) on the X display of xvfb-run.
#   frame_e2e.sh PROBE
set -uo pipefail
command -v openbox >/dev/null && command -v xprop >/dev/null || { echo "openbox or xprop missing"; exit 77; }
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
QT_QPA_PLATFORM=xcb "$1"
rc=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$rc"
