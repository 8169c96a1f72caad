#!/usr/bin/env bash
# Configures and builds Zentar into build/ (or $ZENTAR_BUILD_DIR).
# ZENTAR_SANITIZE=1 builds with AddressSanitizer and UBSan into build-asan/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_type="${ZENTAR_BUILD_TYPE:-RelWithDebInfo}"
extra=()
if [ "${ZENTAR_SANITIZE:-0}" = "1" ]; then
  default_dir="$root/build-asan"
  extra+=(-DZENTAR_SANITIZE=ON)
  build_type=Debug
else
  default_dir="$root/build"
fi
dir="${ZENTAR_BUILD_DIR:-$default_dir}"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
