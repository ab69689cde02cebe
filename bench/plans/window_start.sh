#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up as the user sees it: from exec to the planner window mapped on the display, polled
# with xdotool every few milliseconds; the median of ROUNDS starts, each on a fresh data folder.
#   usage: xvfb-run -a bench/plans/window_start.sh PROGRAM [ROUNDS]
set -u
program="$1"
rounds="${2:-9}"
times=()
for _ in $(seq "$rounds"); do
  home=$(mktemp -d)
  printf '[Options]\r\nAutoUpdate=0\r\n' >"$home/QMK.ini"
  start=$(date +%s%N)
  QUILLMARK_HOME="$home" QUILLMARK_UPDATE_URL=http://127.0.0.1:9/none "$program" & pid=$!
  until xdotool search --onlyvisible --name '^Quillmark$' >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended without a window" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
  kill -9 "$pid"; wait "$pid" 2>/dev/null
  rm -rf "$home"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "exec to the planner window mapped: median ${sorted[$((rounds / 2))]} ms of $rounds starts (${times[*]} ms); load average $(cut -d' ' -f1-3 /proc/loadavg)"
