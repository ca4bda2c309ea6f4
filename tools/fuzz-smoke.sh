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

# One target's run: its past findings, then SECONDS of fuzzing. Its output
# goes to its own log, shown once it is done.
fuzz_one() {
  local fuzzer=$1 name
  name=$(basename "$fuzzer")
  local log=$scratch/$name.log
  local limits=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/$name-")
  # Past findings are replayed once, not mutated: some of them run the text
  # up to the growth limit, which takes a second or more each time.
  if [[ -d fuzz/regressions/$name ]]; then
    echo "== $name: past findings" >"$scratch/$name.out"
    "$fuzzer" -runs=0 "${limits[@]}" fuzz/regressions/"$name" 2>"$log" || {
      tail -n 60 "$log"
      echo "$name failed on a past finding" >&2
      return 1
    }
  fi
  mkdir -p "$scratch/$name"
  echo "== $name: ${seconds}s" >>"$scratch/$name.out"
  # -max_len matches the bounds of fuzz/fuzz_case.h, and the words of the
  # dictionary are English and markup; the image fuzzer reads neither, but
  # a list of at most 64 edits of 8 bytes.
  local shape=(-max_len=16384 -dict=fuzz/translate.dict)
  if [[ $name == program_image_fuzzer ]]; then shape=(-max_len=512); fi
  # New inputs go to the scratch folder, the first one named: the committed
  # seeds are only read.
  "$fuzzer" "$scratch/$name" fuzz/corpus/"$name" "${limits[@]}" \
    -max_total_time="$seconds" "${shape[@]}" \
    -print_final_stats=1 2>"$log" || {
    tail -n 60 "$log"
    echo "$name failed; the input is in $artifacts/" >&2
    return 1
  }
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$log" >>"$scratch/$name.out" || true
}

# A libFuzzer run keeps one core busy: two targets at a time, one per core,
# each for the same SECONDS as alone. A failing target stops the run once
# its partner has finished too.
fuzzers=(build/fuzz/bin/*_fuzzer)
failed=0
for ((i = 0; i < ${#fuzzers[@]}; i += 2)); do
  pids=()
  for fuzzer in "${fuzzers[@]:i:2}"; do
    fuzz_one "$fuzzer" >"$scratch/$(basename "$fuzzer").fail" 2>&1 &
    pids+=($!)
  done
  for j in "${!pids[@]}"; do
    name=$(basename "${fuzzers[i + j]}")
    status=0
    wait "${pids[j]}" || status=$?
    cat "$scratch/$name.out" 2>/dev/null || true
    if [[ $status -ne 0 ]]; then
      cat "$scratch/$name.fail" >&2
      failed=1
    fi
  done
  if [[ $failed -ne 0 ]]; then exit 1; fi
done
