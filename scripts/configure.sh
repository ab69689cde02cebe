#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the build folder given as $1 (default: build) with any extra CMake arguments. It runs
# every time, so that options given now (warnings as errors, the build type) and programs installed
# since the last run (xvfb-run for the end-to-end tests) are taken up; an unchanged set-up costs
# only a second.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${1:-$top/build}"; shift || true
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
