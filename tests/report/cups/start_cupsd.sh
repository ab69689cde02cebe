#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private CUPS scheduler with one cups-pdf queue for the print test, all of it under
# the folder given as $1, and installs cups and the cups-pdf printer first when they are missing.
#   start_cupsd.sh FOLDER QUEUE
# On success prints nothing and leaves: FOLDER/cups.sock (the scheduler's socket, for
# CUPS_SERVER), FOLDER/cupsd.pid, FOLDER/out/ (where cups-pdf writes the printed PDFs) and
# /etc/cups/cups-pdf-QUEUE.conf (cups-pdf reads its per-queue settings only from there).
# Exit codes: 0 ready; 77 the scheduler cannot run on this machine (the reason on stdout);
# anything else a broken set-up.
set -euo pipefail
folder="$1"
queue="$2"
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"

if [[ $(id -u) -ne 0 ]] && ! command -v cupsd >/dev/null; then
  echo "cups is not installed and installing it needs root"; exit 77
fi
if ! "$top/scripts/ensure-packages.sh" packages-test.txt >&2; then
  echo "cups and the cups-pdf printer could not be installed"; exit 77
fi
if [[ ! -x /usr/sbin/cupsd || ! -e /usr/lib/cups/backend/cups-pdf ]]; then
  echo "cupsd or the cups-pdf backend is missing after the install"; exit 77
fi
if [[ $(id -u) -ne 0 ]]; then
  echo "the cups-pdf backend runs only under a scheduler started as root"; exit 77
fi

mkdir -p "$folder"/{etc/ppd,spool,cache,state,tmp,log,out,pdf-spool}
chmod 0755 "$folder" "$folder"/etc "$folder"/out
chmod 1777 "$folder"/tmp "$folder"/pdf-spool
cat > "$folder/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel info
DefaultAuthType None
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat > "$folder/cups-files.conf" <<CONF
ServerRoot $folder/etc
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
cat > "/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $folder/out
AnonDirName $folder/out
Spool $folder/pdf-spool
Log $folder/log
Grp root
CONF

/usr/sbin/cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" >"$folder/log/cupsd.out" 2>&1 &
echo $! > "$folder/cupsd.pid"
for _ in $(seq 1 100); do
  [[ -S "$folder/cups.sock" ]] && break
  if ! kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null; then
    echo "cupsd exited at start: $(tr '\n' ' ' < "$folder/log/cupsd.out") $(tail -n 3 "$folder/log/error_log" 2>/dev/null | tr '\n' ' ')"
    exit 77
  fi
  sleep 0.1
done
if [[ ! -S "$folder/cups.sock" ]]; then echo "cupsd opened no socket in 10 s"; exit 77; fi

export CUPS_SERVER="$folder/cups.sock"
lpadmin -p "$queue" -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E
