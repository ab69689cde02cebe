#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon (app/shell/resources/AAPROGRAM.svg) at the usual hicolor sizes into
# packaging/icons/, with the SVG itself as the scalable icon. Run it again after changing the icon.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source_svg="$top/app/shell/resources/AAPROGRAM.svg"
out="$top/packaging/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" -o "$out/${size}x${size}/apps/quillmark.png" "$source_svg"
done
mkdir -p "$out/scalable/apps"
cp "$source_svg" "$out/scalable/apps/quillmark.svg"
# The plan files' icon (scalable only until it is rendered here too).
mime_svg="$top/packaging/icons/hicolor/scalable/mimetypes/application-x-quillmark-plan.svg"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/mimetypes"
  rsvg-convert -w "$size" -h "$size" -o "$out/${size}x${size}/mimetypes/application-x-quillmark-plan.png" "$mime_svg"
done
