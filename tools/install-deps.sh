#!/usr/bin/env bash
# Installs what building, testing and the Windows cross build need on a fresh Debian 12 machine.
# Only packages that are missing are installed; run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config binutils
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    zlib1g-dev libsndfile1-dev
    g++-mingw-w64-x86-64 libz-mingw-w64-dev wine wine64
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
