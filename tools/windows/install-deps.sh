#!/usr/bin/env bash
# Installs the Debian 12 packages that cross-building the Windows program and
# testing it under wine need, and only those that are missing.
set -euo pipefail
# shellcheck source=../lib/install-missing.sh
source "$(dirname "$0")/../lib/install-missing.sh"

packages=(
  # Cross-building: g++ for 64-bit Windows with posix threads, and the build.
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  cmake ninja-build python3
  # GoogleTest's sources, built for Windows; the icon is drawn from its SVG.
  googletest librsvg2-bin
  # Running and driving it: wine, a display, keys and clicks.
  wine wine64 xvfb xauth xdotool
  # The packages: the zip, and the installer (wixl makes it, msibuild
  # finishes it; msiinfo and msiextract look inside it in the tests).
  zip wixl msitools
  # The Japanese locale's sources, which the window's test builds a locale
  # from, so that wine speaks Japanese to the program.
  locales
)

install_missing "${packages[@]}"
