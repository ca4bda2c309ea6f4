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
  limits=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/$name-")
  # Past findings are replayed once, not mutated: some of them run the text
  # up to the growth limit, which takes a second or more each time.
  if [[ -d fuzz/regressions/$name ]]; then
    echo "== $name: past findings"
    "$fuzzer" -runs=0 "${limits[@]}" fuzz/regressions/"$name" 2>"$scratch/$name.log" || {
      tail -n 60 "$scratch/$name.log"
      echo "$name failed on a past finding" >&2
      exit 1
    }
  fi
  mkdir -p "$scratch/$name"
  echo "== $name: ${seconds}s"
  # -max_len matches the bounds of fuzz/fuzz_case.h, and the words of the
  # dictionary are English and markup; the image fuzzer reads neither, but
  # a list of at most 64 edits of 8 bytes.
  shape=(-max_len=16384 -dict=fuzz/translate.dict)
  if [[ $name == program_image_fuzzer ]]; then shape=(-max_len=512); fi
  # New inputs go to the scratch folder, the first one named: the committed
  # seeds are only read.
  "$fuzzer" "$scratch/$name" fuzz/corpus/"$name" "${limits[@]}" \
    -max_total_time="$seconds" "${shape[@]}" \
    -print_final_stats=1 2>"$scratch/$name.log" || {
    tail -n 60 "$scratch/$name.log"
    echo "$name failed; the input is in $artifacts/" >&2
    exit 1
  }
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$scratch/$name.log" || true
done
