#!/usr/bin/env bash
# Builds the program and runs a sample sentence through the filter with the
# shipped dictionaries.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
sentence=${1:-"I like you. The cat is black."}
printf '%s\n' "$sentence"
printf '%s\n' "$sentence" | build/dev/bin/mikawase-cli
