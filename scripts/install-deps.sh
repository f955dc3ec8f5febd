#!/usr/bin/env bash
# Installs every Debian 12 package Tavolex needs to build, test and print.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev nlohmann-json3-dev
  qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libemf2svg-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  fonts-noto-cjk fonts-ipamj-mincho
  clang clang-format libclang-rt-14-dev
  xvfb xauth
  cups printer-driver-cups-pdf libcups2-dev
  poppler-utils
  file help2man librsvg2-bin desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
  lintian appstream
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest wine wine64 locales zip nsis
)

if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=sudo
else
  sudo_cmd=
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
