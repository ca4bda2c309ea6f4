#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then the
# same suite under the sanitizers, and each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target for a short, bounded time on its committed corpus.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
tools/fuzz-smoke.sh 20
