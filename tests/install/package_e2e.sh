#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: made by CPack from the build folder, unpacked into a
# temporary root, its desktop and AppStream files validated, its dependencies present on this
# system, and the installed program run headless with --pdf against a temporary home.
#   package_e2e.sh BUILD_FOLDER
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/dist/quillmark_3.0.0.0_amd64.deb"
[[ -f "$deb" ]] || fail "no $deb among: $(ls "$work/dist")"

# Every package it depends on is one Debian has; here, each is installed in a version that will do.
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6printsupport6 libqt6network6 qt6-qpa-plugins fonts-liberation2; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
IFS=',' read -ra clauses <<<"$depends"
for clause in "${clauses[@]}"; do
  read -r name relation version <<<"$(sed -E 's/[()]/ /g' <<<"$clause")"
  installed="$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null)" || fail "$name is not installed here"
  if [[ -n "${relation:-}" ]]; then
    dpkg --compare-versions "$installed" "$relation" "$version" || fail "$name $installed is not $relation $version"
  fi
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quillmark usr/bin/quillmark-updater usr/share/quillmark/History.rtf usr/share/quillmark/Help/index.html \
            usr/share/applications/quillmark.desktop usr/share/metainfo/org.quillmark.Quillmark.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/quillmark.png usr/share/icons/hicolor/scalable/apps/quillmark.svg \
            usr/share/man/man1/quillmark.1.gz usr/share/mime/packages/quillmark-plan.xml \
            usr/share/icons/hicolor/scalable/mimetypes/application-x-quillmark-plan.svg; do
  [[ -f "$root/$file" ]] || fail "the package lacks /$file"
done
# The program and its updater, which the program looks for beside itself.
[[ "$(ls "$root/usr/bin" | tr '\n' ' ')" == "quillmark quillmark-updater " ]] ||
  fail "bin/ holds more than the program and its updater: $(ls "$root/usr/bin")"
desktop-file-validate "$root/usr/share/applications/quillmark.desktop" || fail "desktop-file-validate"
# Plan files: the desktop entry opens them, and shared-mime-info knows them by their name.
grep -qx 'MimeType=application/x-quillmark-plan;' "$root/usr/share/applications/quillmark.desktop" ||
  fail "the desktop entry does not take plan files"
if command -v update-mime-database >/dev/null; then
  mime="$work/mime"
  mkdir -p "$mime/packages"
  cp "$root/usr/share/mime/packages/quillmark-plan.xml" "$mime/packages/"
  update-mime-database "$mime" || fail "update-mime-database refuses quillmark-plan.xml"
  grep -q 'application/x-quillmark-plan:\*\.qmplan' "$mime/globs2" 2>/dev/null ||
    grep -q 'application/x-quillmark-plan:\*\.qmplan' "$mime/globs" || fail "*.qmplan is not a plan file"
fi
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quillmark.Quillmark.metainfo.xml" || fail "appstreamcli validate"
man_page="$(zcat "$root/usr/share/man/man1/quillmark.1.gz")"
for word in '^\.TH QUILLMARK 1' 'pdf' 'QUILLMARK_HOME' 'QUILLMARK_UPDATE_URL' 'QUILLMARK_TODAY' 'Categories\.dat'; do
  grep -q -- "$word" <<<"$man_page" || fail "the man page lacks $word"
done

program="$root/usr/bin/quillmark"
[[ "$("$program" --version)" == "Quillmark 3.0.0.0" ]] || fail "--version printed: $("$program" --version)"

# A user who has never run the program: nothing in the home but the plan file.
home="$work/home"
mkdir -p "$home"
printf '[Info]\r\nClient=Bloom & Petal\r\nStation=WQMK 101.5\r\nSalesrep=Pat Ortega\r\nPresentDate=2458428\r\n'\
'StartMonth=November\r\nYear=2458428\r\nBudget=12000.00\r\nRate=50.00\r\nProfile=Florists\r\n'\
'Opportunity=10\r\nMaxValue=90\r\nCurrValue=65\r\n' >"$home/plan.ini"
env -u QUILLMARK_HOME -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" \
  "$program" --pdf "$home/proposal.pdf" --plan "$home/plan.ini" || fail "--pdf exited $?"

data="$home/.local/share/Quillmark"
[[ -d "$data" ]] || fail "no data folder $data"
grep -q '"Florists"' "$data/Categories.dat" || fail "Categories.dat lacks the built-in profiles"
[[ "$(ls "$root/usr/bin" | tr '\n' ' ')" == "quillmark quillmark-updater " ]] ||
  fail "the program wrote beside itself: $(ls "$root/usr/bin")"
text="$(pdftotext "$home/proposal.pdf" -)"
grep -q "Yearly Proposal for Bloom & Petal" <<<"$text" || fail "the PDF lacks its title: $text"
grep -q "TOTAL BUDGET: \$12,000" <<<"$text" || fail "the PDF lacks its total: $text"
echo "package_e2e: the package installs and its program prints a proposal"
