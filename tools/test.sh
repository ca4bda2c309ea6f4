#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; then the
# same suite under the sanitizers, and each fuzz target briefly. Ends with
# one line that says what ran; any failure stops the script before it.
set -euo pipefail
cd "$(dirname "$0")/.."

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# "N passed" or "N passed, M skipped", read off ctest's own summary.
ctest_summary() {
  local total skipped
  total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$1")
  skipped=$(grep -c '(Skipped)' "$1" || true)
  if [[ $skipped -gt 0 ]]; then
    echo "$((total - skipped)) passed, $skipped skipped"
  else
    echo "$total passed"
  fi
}

tools/install-deps.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci | tee "$logs/ci.log"

# The Windows program, cross-built and tested under wine against the Linux
# filter just built, then packed as a zip.
windows_start=$(date +%s)
tools/windows/test.sh build/ci/bin/mikawase-cli | tee "$logs/windows.log"
windows_seconds=$(($(date +%s) - windows_start))

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target for a short, bounded time on its committed corpus.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan | tee "$logs/asan.log"
fuzz_seconds=20
tools/fuzz-smoke.sh "$fuzz_seconds"
fuzzers=$(find build/fuzz/bin -name '*_fuzzer' -type f | wc -l)

echo "All passed: ci build $(ctest_summary "$logs/ci.log"); windows build $(ctest_summary "$logs/windows.log") under wine, ${windows_seconds} s with the zip and the MSI; asan build $(ctest_summary "$logs/asan.log"); $fuzzers fuzz targets, ${fuzz_seconds} s each, no finding."
