#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Rollvane need.
set -euo pipefail
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease for the translations;
# qt6-translations-l10n: Qt's own, for the standard buttons; desktop-file-utils and appstream
# check the menu entry and the AppStream record the package installs.
packages=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-image-formats-plugins
    qt6-charts-dev libqt6opengl6-dev poppler-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgl-dev xvfb xauth libbenchmark-dev sqlite3 libsqlite3-dev dpkg-dev fakeroot desktop-file-utils appstream
    postgresql openssl libical-dev pkgconf)
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
