#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/planner-window.png: the planner with a sample client, on a virtual display with a
# window manager for the frame. Needs a build (./run or ./test) first.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
printf '[Options]\r\nRememberClient=1\r\n[Update]\r\nLastCheck=99999999\r\n[Info]\r\nClient=Bloom & Petal\r\n'\
'Station=WQMK 101.5\r\nSalesrep=Pat Ortega\r\nPresentDate=2458428\r\nStartMonth=November\r\nYear=2458428\r\n'\
'Budget=12000.00\r\nRate=50.00\r\nProfile=Florists\r\nOpportunity=10\r\nMaxValue=90\r\nCurrValue=65\r\n' >"$home/QMK.ini"
export QUILLMARK_HOME="$home" QUILLMARK_UPDATE_URL=http://127.0.0.1:9/QMKVersion.txt
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  openbox & sleep 1
  "$1/build/quillmark" & sleep 3
  window=$(xdotool search --onlyvisible --name "^Quillmark$" | head -1)
  info=$(xwininfo -id "$window")
  X=$(sed -n "s/.*Absolute upper-left X: *//p" <<<"$info"); Y=$(sed -n "s/.*Absolute upper-left Y: *//p" <<<"$info")
  WIDTH=$(sed -n "s/.*Width: *//p" <<<"$info"); HEIGHT=$(sed -n "s/.*Height: *//p" <<<"$info")
  read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed "s/.*= //; s/,//g")
  "$1/build/tests/support/screen_grab" "$1/docs/planner-window.png" \
    $((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom))
  xdotool windowclose "$window" 2>/dev/null || kill %2
' _ "$top"
echo "wrote $top/docs/planner-window.png"
