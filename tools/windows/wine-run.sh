#!/usr/bin/env bash
# Runs a Windows program under wine, in the project's own wine prefix
# (build/windows/wineprefix unless WINEPREFIX says otherwise), making the
# prefix first when it is missing. CMake's emulator for the Windows build,
# and what the Windows tests run the programs with.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: their install dialogs would wait for a user.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A mark of our own says the prefix is made: a wine server that keeps
# running holds the registry in memory and writes system.reg only later.
ready=$WINEPREFIX/.made-by-wine-run
if [[ ! -f $ready ]]; then
  mkdir -p "$WINEPREFIX"
  # Two tests starting at once make the prefix once.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $ready ]]; then
    wineboot --init >/dev/null 2>&1
    touch "$ready"
  fi
  exec 9>&-
fi
# Debian's wine has no preloader to keep the addresses Windows reserves
# free, so with the kernel's address randomisation a program now and then
# fails to start at all ("failed to map the shared user data", status 1,
# nothing written unless WINEDEBUG lets errors through): about one start in
# ten thousand. Without randomisation the layout is the same every time.
if setarch "$(uname -m)" -R true 2>/dev/null; then
  exec setarch "$(uname -m)" -R wine "$@"
fi
exec wine "$@"
