#!/usr/bin/env bash
# Installs every Debian package Vantara needs to build, run and test.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git ccache
  libsdl2-dev libglew-dev libstb-dev libspng-dev libimgui-dev libopenal-dev libx11-dev libvorbis-dev
  zlib1g-dev
  libgtest-dev googletest
  xvfb xauth xdotool x11-xkb-utils imagemagick openbox x11-utils libgl1-mesa-dri
  fonts-dejavu-core
  dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
