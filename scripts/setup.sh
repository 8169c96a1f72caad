#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Zentar needs.
# Only what is missing is installed; the package lists are refreshed once, and only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-ibase
  firebird3.0-server-core firebird3.0-utils libfbclient2 firebird-dev
  libzip-dev libcurl4-openssl-dev libssl-dev
  libgtest-dev libgmock-dev
  python3 python3-aiosmtpd python3-pyftpdlib
  xvfb xauth poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Telepítés: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
