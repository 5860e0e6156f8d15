#!/usr/bin/env bash
# Installs what building and testing the kit needs on Debian 12: the cross compiler, Wine (32-bit),
# a virtual display, image tools and the test libraries. Does nothing when all is there already.
set -eu

packages=(cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-i686 binutils-mingw-w64-i686
          wine wine32:i386 wine64 fonts-wine xvfb xdotool imagemagick
          clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
