#!/bin/sh
# Installs every Debian package the project needs to build, test and benchmark.
# Safe to run again: only missing packages are installed, and the package lists
# are refreshed once, when something has to be installed.
set -eu

packages="
  build-essential cmake ninja-build pkg-config python3
  libfreeimage-dev zlib1g-dev libarchive-dev
  qt6-base-dev libxcb1-dev libcairo2-dev libpango1.0-dev libfontconfig-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev
  librsvg2-bin libarchive-tools
  desktop-file-utils dpkg-dev groff-base
  xvfb xauth x11-utils xdotool
  hyperfine imagemagick time valgrind
  clang-14 libclang-rt-14-dev
"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done

if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
fi
