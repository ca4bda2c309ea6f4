#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, ASan and UBSan) and runs every
# fuzz target for a short, bounded time on its committed seeds and on the
# inputs of past findings. A crash, a sanitizer report, a broken invariant
# or a hang fails the run; the input that did it is kept in
# build/fuzz/artifacts/.
#
#   tools/fuzz-smoke.sh [SECONDS_PER_TARGET]     (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
tools/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"

for fuzzer in build/fuzz/bin/*_fuzzer; do
  name=$(basename "$fuzzer")
  inputs=(fuzz/corpus/"$name")
  [[ -d fuzz/regressions/$name ]] && inputs+=(fuzz/regressions/"$name")
  mkdir -p "$scratch/$name"
  echo "== $name: ${seconds}s"
  # New inputs go to the scratch folder, the first one named: the committed
  # seeds are only read. The bounds match fuzz/fuzz_case.h: a dictionary
  # that runs away takes a few seconds to reach the 64 MiB growth limit
  # under the sanitizers, far below the timeout.
  "$fuzzer" "$scratch/$name" "${inputs[@]}" \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/translate.dict -artifact_prefix="$artifacts/$name-" \
    -print_final_stats=1 2>"$scratch/$name.log" || {
    tail -n 60 "$scratch/$name.log"
    echo "$name failed; the input is in $artifacts/" >&2
    exit 1
  }
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$scratch/$name.log" || true
done
