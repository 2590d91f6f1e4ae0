#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Does nothing when they are all present. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev libxrender-dev
  libsdl2-dev libmpg123-dev libsndfile1-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14 clang-tidy-14
  fonts-dejavu-core desktop-file-utils
  dpkg-dev file lintian appstream
  xvfb openbox xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
