#!/usr/bin/env bash
# Sets up, builds and starts Zentar. The database is created on the first start.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exe="${ZENTAR_BUILD_DIR:-$root/build}/src/app/zentar"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Nincs grafikus képernyő: a program virtuális képernyőn (xvfb-run) indul."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$exe" "$@"
fi
exec "$exe" "$@"
