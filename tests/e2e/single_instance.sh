#!/usr/bin/env bash
# End to end, under a real X display: one copy of the program at a time.
#   usage: single_instance.sh PROGRAM     (run it under xvfb-run; openbox is used when installed)
set -u
program="$1"
home=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
export QUILLMARK_HOME="$home" XDG_RUNTIME_DIR="$runtime"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  [[ -n "${wm:-}" ]] && kill "$wm" 2>/dev/null
  rm -rf "$home" "$runtime"
}
trap cleanup EXIT
failures=0
passed=0
check() { # check DESCRIPTION COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); echo "ok: $1"; else failures=$((failures + 1)); echo "FAILED: $1"; fi
}

if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 0.5; fi

windows() { xdotool search --onlyvisible --name '^Quillmark$' 2>/dev/null | sort -u; }
wait_for_window() { # up to 10 s
  for _ in $(seq 100); do [[ -n "$(windows)" ]] && return 0; sleep 0.1; done
  return 1
}
wait_for_exit() { # PID, up to 10 s
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}
within_10s() { # COMMAND...: true as soon as the command is, false after 10 s
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
first_window_shown() { xdotool search --onlyvisible --name '^Quillmark$' 2>/dev/null | grep -qx "$window"; }
one_of_two_alive() {
  local alive=0
  for p in "$a" "$b"; do kill -0 "$p" 2>/dev/null && alive=$((alive + 1)); done
  [[ $alive -eq 1 ]]
}

# A first copy shows its window.
"$program" & first=$!; pids+=("$first")
check "the first copy shows its window" wait_for_window
window=$(windows | head -n 1)

# A second copy ends without a window of its own and raises the first one, restored.
if [[ -n "${wm:-}" ]]; then xdotool windowminimize "$window"; sleep 0.5; fi
"$program" & second=$!; pids+=("$second")
check "the second copy ends by itself" wait_for_exit "$second"
wait "$second"; code=$?
check "the second copy ends with exit code 0" test "$code" -eq 0
check "the first copy's window is shown again" within_10s first_window_shown
check "still exactly one window" test "$(windows | wc -l)" -eq 1
if [[ -n "${wm:-}" ]]; then
  check "the first copy's window is the active one" test "$(xdotool getactivewindow 2>/dev/null)" = "$window"
fi
check "the first copy still runs" kill -0 "$first"

# A copy that crashed leaves nothing behind that stops the next start.
kill -9 "$first"; wait "$first" 2>/dev/null
"$program" & third=$!; pids+=("$third")
check "a start after a crash shows its window" wait_for_window
kill -9 "$third"; wait "$third" 2>/dev/null
sleep 0.3

# Two copies started at the same moment: exactly one proceeds.
"$program" & a=$!; "$program" & b=$!; pids+=("$a" "$b")
wait_for_window
check "of two copies started together one runs" within_10s one_of_two_alive
check "and one window shows" test "$(windows | wc -l)" -eq 1

for p in "$a" "$b"; do kill -9 "$p" 2>/dev/null; wait "$p" 2>/dev/null; done

# A guard that cannot be set up (something that is no lock file stands in its place): the copy
# ends without a window rather than run unguarded.
blocked=$(mktemp -d)
chmod 700 "$blocked"
mkdir "$blocked/QMK_3-$(id -u).lock"
XDG_RUNTIME_DIR="$blocked" "$program" & guarded=$!; pids+=("$guarded")
check "without a guard the copy ends by itself" wait_for_exit "$guarded"
check "and shows no window" test -z "$(windows)"
rm -rf "$blocked"

echo "$passed passed, $failures failed"
[[ $failures -eq 0 ]]
