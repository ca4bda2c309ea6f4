#!/usr/bin/env bash
# Installs the Debian 12 packages that cross-building the Windows program and
# testing it under wine need, and only those that are missing.
set -euo pipefail

packages=(
  # Cross-building: g++ for 64-bit Windows with posix threads, and the build.
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  cmake ninja-build python3
  # GoogleTest's sources, built for Windows; the icon is drawn from its SVG.
  googletest librsvg2-bin
  # Running and driving it: wine, a display, keys and clicks; the package.
  wine wine64 xvfb xauth xdotool zip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
