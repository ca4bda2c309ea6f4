#!/usr/bin/env bash
# Builds the program and opens its window. Where there is no display to open
# it on, says so and runs a sample sentence through the filter instead.
#
# usage: tools/run.sh [SENTENCE]
#   SENTENCE  what the filter translates when there is no display
#             (default: "I like you. The cat is black.")
#
# Installs what is missing and builds the dev preset into build/dev. With
# MIKAWASE_BUILD_DIR set, uses the build already in that folder instead.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -n ${MIKAWASE_BUILD_DIR:-} ]]; then
  build=$MIKAWASE_BUILD_DIR
else
  tools/install-deps.sh
  cmake --preset dev >/dev/null
  cmake --build --preset dev
  build=build/dev
fi

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec "$build/bin/mikawase"
fi

sentence=${1:-"I like you. The cat is black."}
cat <<MESSAGE
No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window
(mikawase) cannot open here. The same translation is available as a filter,
mikawase-cli, which reads English on standard input and writes Japanese:

  \$ echo "$sentence" | $build/bin/mikawase-cli
MESSAGE
printf '%s\n' "$sentence" | "$build/bin/mikawase-cli"
cat <<MESSAGE

See '$build/bin/mikawase-cli --help' for files and dictionary folders. To
see the window, run this again from a desktop session (or over ssh -X).
MESSAGE
