#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Brenak need.
# Packages already present are left alone, so a second run is quick.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          qt6-translations-l10n
          libgl1-mesa-dev libglx-dev libxkbcommon-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev clang-format
          xvfb xauth unzip
          locales fonts-liberation2
          debootstrap lintian appstream desktop-file-utils dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The suite runs under a Spanish desktop's locale as well as under C, and the
# English one is there for the English interface.
for wanted in es_ES en_GB; do
  if ! locale -a 2>/dev/null | grep -qi "^${wanted}\.utf-\?8$"; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd sed -i "s/^# *\(${wanted}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${wanted}\.UTF-8 UTF-8" /etc/locale.gen || echo "${wanted}.UTF-8 UTF-8" | $sudo_cmd tee -a /etc/locale.gen >/dev/null
    $sudo_cmd locale-gen >/dev/null
  fi
done
