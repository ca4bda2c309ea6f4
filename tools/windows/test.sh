#!/usr/bin/env bash
# The Windows half of the test run: cross-builds with warnings as errors,
# runs the Windows tests under wine (the engine's suite, the window on its
# own Xvfb display, the filter against LINUX_CLI), then makes the zip.
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
wineserver --persistent
trap 'wineserver --kill' EXIT

cmake --preset windows-ci -DMIKAWASE_LINUX_CLI="$linux_cli"
cmake --build --preset windows-ci
ctest --preset windows-ci
tools/build-windows.sh
