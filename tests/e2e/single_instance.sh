#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, under a real X display: one copy of the program at a time on one data folder, and
# plan files handed to the copy that runs.
#   usage: single_instance.sh PROGRAM     (run it under xvfb-run; openbox is used when installed)
set -u
program="$1"
home=$(mktemp -d)
other_home=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
export QUILLMARK_HOME="$home" XDG_RUNTIME_DIR="$runtime"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  [[ -n "${wm:-}" ]] && kill "$wm" 2>/dev/null
  rm -rf "$home" "$other_home" "$runtime" "${runtime2:-}" "${tmp2:-}" "${plans:-}"
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

# The guard lives in the user's own folder, whatever the environment says.
guard_folder="/tmp/quillmark-$(id -u)"
guard_name() { printf '%s' "$(realpath "$1")" | sha256sum | cut -c1-24; }
check "the guard's folder is the user's alone" test "$(stat -c '%a %u' "$guard_folder")" = "700 $(id -u)"

# Two copies on one data folder never both run, even from sessions with other runtime and
# temporary folders.
runtime2=$(mktemp -d); tmp2=$(mktemp -d); chmod 700 "$runtime2"
"$program" & a=$!; pids+=("$a")
wait_for_window
XDG_RUNTIME_DIR="$runtime2" TMPDIR="$tmp2" "$program" & b=$!; pids+=("$b")
check "a copy from another session on the same data folder ends" wait_for_exit "$b"
check "and one window shows" test "$(windows | wc -l)" -eq 1

# A copy on another data folder runs beside it.
QUILLMARK_HOME="$other_home" "$program" & c=$!; pids+=("$c")
two_windows() { [[ "$(windows | wc -l)" -eq 2 ]]; }
check "a copy on another data folder runs too" within_10s two_windows
check "both run" kill -0 "$c"
kill -9 "$a" "$c"; wait "$a" "$c" 2>/dev/null
sleep 0.3

# A plan file: the first copy opens it; a later start hands it to the running copy, which opens
# it (and keeps it among the recent plans), and the later start ends.
plans=$(mktemp -d)
write_plan() { # FILE CLIENT
  printf '[Info]\r\nClient=%s\r\nStation=WQMK\r\nSalesrep=Pat\r\nStartMonth=May\r\nBudget=12000\r\nRate=50\r\nProfile=Test Shop\r\nCurrency=0\r\n[Profile]\r\nName=Test Shop\r\n' "$2" >"$1"
  for m in Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec; do
    case $m in May|Dec) v=10.0 ;; *) v=8.0 ;; esac
    printf '%s=%s\r\n' "$m" "$v" >>"$1"
  done
}
{
  printf '"None"\r\n'; for _ in $(seq 12); do printf '0\r\n'; done
  printf '"Test Shop"\r\n'; for v in 8 8 8 8 10 8 8 8 8 8 8 10; do printf '%s\r\n' "$v"; done
} >"$home/Categories.dat"
write_plan "$plans/first.qmplan" "First Client"
write_plan "$plans/second.qmplan" "Second Client"
recent_is() { grep -q "^Plan1=\"$1\"" "$home/QMK.ini" 2>/dev/null; }
(cd "$plans" && exec "$program" first.qmplan) & first=$!; pids+=("$first")
wait_for_window
check "a plan named at start is opened" within_10s recent_is "$plans/first.qmplan"
(cd "$plans" && exec "$program" second.qmplan) & second=$!; pids+=("$second")
check "the later start ends" wait_for_exit "$second"
check "the running copy opens the plan handed over" within_10s recent_is "$plans/second.qmplan"
check "still exactly one window" test "$(windows | wc -l)" -eq 1
kill -9 "$first"; wait "$first" 2>/dev/null

# A guard that cannot be set up (something that is no lock file stands in its place): the copy
# ends without a window rather than run unguarded.
blocked=$(mktemp -d)
mkdir "$guard_folder/QMK_3-$(guard_name "$blocked").lock"
QUILLMARK_HOME="$blocked" "$program" & guarded=$!; pids+=("$guarded")
check "without a guard the copy ends by itself" wait_for_exit "$guarded"
check "and shows no window" test -z "$(windows)"
rmdir "$guard_folder/QMK_3-$(guard_name "$blocked").lock"
rm -rf "$blocked"

echo "$passed passed, $failures failed"
[[ $failures -eq 0 ]]
