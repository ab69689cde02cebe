#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package passes lintian: no error and no warning (informational notes aside), with a
# machine-readable copyright file, a changelog and a proper description.
#   package_lintian.sh BUILD_FOLDER
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (scripts/packages-test.txt names it)"

cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/dist/quillmark_*.deb)"

# The files that lintian looks for first, as it expects them.
root="$work/root"
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/quillmark"
head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "copyright is not machine-readable"
grep -q '^License: GPL-3.0-or-later' "$doc/copyright" || fail "copyright does not name GPL-3.0-or-later"
zcat "$doc/changelog.gz" | head -1 | grep -q '^quillmark (3.0.0.0)' || fail "changelog.gz is missing or wrong"

# Running as root is fine for lintian on a .deb; it unpacks into its own temporary folder.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || {
  cat "$work/lintian.log"
  fail "lintian found errors or warnings"
}
cat "$work/lintian.log"
echo "package_lintian: lintian passes the package"
