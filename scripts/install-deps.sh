#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-multimedia-dev libqt6svg6
  libgl1-mesa-dev libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  xvfb xauth socat fonts-wqy-microhei imagemagick poppler-utils
  at-spi2-core python3-pyatspi dbus-x11
  qt6-translations-l10n dpkg-dev desktop-file-utils appstream lintian
  clang-14 libfuzzer-14-dev libclang-rt-14-dev clang-format strace
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
