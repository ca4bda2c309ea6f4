#!/usr/bin/env bash
# The Windows half of the test run: cross-builds with warnings as errors,
# runs the Windows tests under wine (the engine's suite, the window on its
# own Xvfb display, the filter against LINUX_CLI), then makes the zip and
# the installer, and installs, upgrades and removes that in a prefix of
# its own.
# One wine prefix, made afresh, and one wine server for the whole run.
#
#   tools/windows/test.sh LINUX_CLI
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_cli=$(realpath "$1")

tools/windows/install-deps.sh
export WINEPREFIX=$PWD/build/windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
# The prefix is made with a server of its own, which writes the registry
# out as it ends; then one server stays for every test.
tools/windows/wine-run.sh cmd /c exit
wineserver --wait
# One display for the run: wine's desktop process, which every window
# goes through, starts with the first program and keeps the display it was
# started with.
exec 8< <(Xvfb -displayfd 1 -screen 0 1600x1200x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&8
read -r display_number <&8
export DISPLAY=:$display_number MIKAWASE_TEST_DISPLAY=:$display_number
wineserver --persistent
trap 'wineserver --kill; kill "$xvfb_pid"' EXIT
# wine's own services start with the first program and outlive it. Started
# here, away from the tests' output, they hold no pipe that ctest would
# wait on for good.
tools/windows/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1

cmake --preset windows-ci -DMIKAWASE_LINUX_CLI="$linux_cli"
cmake --build --preset windows-ci
ctest --preset windows-ci
# The zip and the installer from the build just tested: a second, release
# build would compile the same sources with the same flags again.
MIKAWASE_WINDOWS_PRESET=windows-ci tools/build-windows.sh

release=build/windows/ci
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
python3 tests/windows/msi_test.py --msi "build/windows/mikawase-$version-win64.msi" \
  --stage build/windows/package --icon "$release/app/win32/mikawase.ico" \
  --publisher "$(sed -n 's/^MIKAWASE_PUBLISHER:STRING=//p' "$release/CMakeCache.txt")" \
  --build-msi tools/windows/build-msi.sh --wine-run tools/windows/wine-run.sh --linux-cli "$linux_cli"
