#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Installs, from Debian's archive, only the packages that the build, the tests,
# the benchmarks and the fuzzers need and that are not there yet. Safe to run
# again: with everything present it prints nothing and changes nothing. The
# same list serves Debian 12 and Debian 13, whose package names agree.
set -euo pipefail

packages=(
  build-essential cmake ninja-build g++ clang clang-format make pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  xvfb xauth xdotool x11-utils imagemagick libx11-dev
  desktop-file-utils appstream dpkg-dev file shared-mime-info xdg-utils libfile-mimeinfo-perl
  debhelper lintian go-md2man man-db mmdebstrap
  dbus-daemon at-spi2-core python3 python3-gi gir1.2-atspi-2.0 orca openbox
  weston qt6-wayland
  fonts-dejavu-core qt6ct tesseract-ocr tesseract-ocr-fra faketime xclip strace
  fonts-noto-core fonts-cantarell adwaita-qt6
)
# KDE's own style for Qt 6 comes with Debian 13; Debian 12's is built for Qt 5.
if ! grep -q '^VERSION_ID="12"' /etc/os-release; then
  packages+=(kde-style-breeze)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
