#!/usr/bin/env bash
# Installs the Debian packages Pantrix needs to build, test and run, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev googletest libbenchmark-dev
    fonts-dejavu-core fonts-liberation2 clang-format
    appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
