#!/usr/bin/env bash
# Configures the build folder given as $1 (default: build) with any extra CMake arguments.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${1:-$top/build}"; shift || true
if [[ ! -f "$dir/build.ninja" ]]; then
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
