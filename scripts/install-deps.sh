#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Rollvane need.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-image-formats-plugins
    libgl-dev xvfb xauth libbenchmark-dev sqlite3 dpkg-dev fakeroot postgresql)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
