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
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two tests starting at once make the prefix once.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
  fi
  exec 9>&-
fi
exec wine "$@"
