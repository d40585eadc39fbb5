#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the demo need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  qtmultimedia5-dev libqt5svg5-dev libqt5sql5-sqlite
  libqt5multimedia5-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libhidapi-dev libedf-dev
  fonts-noto-cjk fonts-noto-cjk-extra fonts-liberation2
  librsvg2-bin poppler-utils
  biosig-tools desktop-file-utils appstream
  xvfb xauth xdotool
  clang-14 libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
