#!/usr/bin/env bash
# Installs the Debian 12 packages the game and its tests need, when they are missing.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libfluidsynth-dev libpulse-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool xclip imagemagick x11-utils
  sway xwayland qt6-wayland wayvnc wtype grim jq
  fonts-dejavu-core fonts-urw-base35 desktop-file-utils appstream
  dpkg-dev debhelper lintian man-db dpkg-repack
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
