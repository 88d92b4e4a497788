#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need, if missing.
set -euo pipefail
packages=(
    build-essential cmake pkg-config libmpfr-dev libxlsxwriter-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    fonts-liberation2
    clang libclang-rt-14-dev clang-format
    desktop-file-utils appstream dpkg-dev
    xvfb python3 python3-openpyxl poppler-utils
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
