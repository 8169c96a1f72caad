#!/usr/bin/env bash
# Sets up, builds and runs every test (offscreen). Exits non-zero when any test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
if [ "${ZENTAR_SANITIZE:-0}" = "1" ]; then dir="${ZENTAR_BUILD_DIR:-$root/build-asan}"; else dir="${ZENTAR_BUILD_DIR:-$root/build}"; fi
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j"$(nproc)" -LE benchmark "$@"
