#!/usr/bin/env bash
# Times the real mikawase-cli, fast engine against literal engine, on the
# inputs of bench/make_inputs.sh, and prints a Markdown table for
# docs/engine.md. The whole process is timed: start-up, reading and compiling the
# dictionaries, translating and writing. Each fast time is the best of
# five runs, once with both cores and once held to one core (taskset);
# the literal engine runs once, as it takes minutes on 1 MB (--quick
# leaves it out for the 1 MB inputs). Also measures time and peak memory
# on a 100 MB input.
#
# The table times real use: the compiled-dictionary cache is warm (one
# untimed run per dictionary set fills it first, in a cache folder of its
# own under BUILD_DIR). A line after it compares a start with a warm cache,
# a cold one (an empty cache folder at every run: compile, then write the
# file) and none at all, on an empty input.
#
# Usage: bench/run_cli.sh [--quick] [BUILD_DIR]   (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
if [[ ${1:-} == --quick ]]; then
  quick=true
  shift
fi
build=${1:-build/dev}
cli=$build/bin/mikawase-cli
inputs=build/bench-inputs
[[ -f $inputs/unique-words-10m.txt && -f $inputs/pairs/noun.txt ]] ||
  bench/make_inputs.sh "$inputs" >/dev/null
command -v /usr/bin/time >/dev/null || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 1; }
command -v taskset >/dev/null || { echo "needs taskset (apt-get install util-linux)" >&2; exit 1; }

export MIKAWASE_CACHE_DIR=$build/bench-cache
rm -rf "$MIKAWASE_CACHE_DIR"
# The dictionaries timed are the ones named, never the personal ones of
# whoever runs this.
export XDG_DATA_HOME=$build/bench-no-personal
"$cli" --data-dir data /dev/null >/dev/null
"$cli" --data-dir "$inputs/synthetic" /dev/null >/dev/null
"$cli" --data-dir "$inputs/pairs" /dev/null >/dev/null

one_core=()  # prefix that holds the next runs to one core, when set
seconds() {  # seconds for one run of: cli ARGS > /dev/null
  local start end
  start=$(date +%s.%N)
  "${one_core[@]}" "$cli" "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
best_of() {
  local runs=$1 best="" t
  shift
  for ((i = 0; i < runs; i++)); do
    t=$(seconds "$@")
    if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  echo "$best"
}

cpu=$(lscpu | sed -n 's/^Model name: *//p' | head -1)
echo "Machine: $cpu, $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB; $(date -u +%Y-%m-%d)"
echo "Compiled-dictionary cache: warm ($MIKAWASE_CACHE_DIR)"
echo
echo "| input | dictionaries | literal | fast | ratio | fast MB/s | fast, one core | MB/s, one core |"
echo "|---|---|---|---|---|---|---|---|"
for dicts in shipped synthetic pairs; do
  data=data
  [[ $dicts != shipped ]] && data=$inputs/$dicts
  for input in english-2k english-2k-line english-100k english-100k-line english-1m english-1m-line; do
    file=$inputs/$input.txt
    bytes=$(stat -c %s "$file")
    fast=$(best_of 5 --data-dir "$data" "$file")
    mbps=$(echo "$bytes / $fast / 1000000" | bc -l)
    one_core=(taskset -c 0)
    single=$(best_of 5 --data-dir "$data" "$file")
    one_core=()
    single_mbps=$(echo "$bytes / $single / 1000000" | bc -l)
    if [[ $input == english-1m* ]] && $quick; then
      literal="—"
      ratio="—"
    else
      lit=$(seconds --engine=literal --data-dir "$data" "$file")
      literal=$(printf '%.3f s' "$lit")
      ratio=$(printf '%.0f×' "$(echo "$lit / $fast" | bc -l)")
    fi
    printf '| %s (%d bytes) | %s | %s | %.3f s | %s | %.1f | %.3f s | %.1f |\n' \
      "$input" "$bytes" "$dicts" "$literal" "$fast" "$ratio" "$mbps" "$single" "$single_mbps"
  done
done

cold_start() {  # one run with an empty cache folder
  rm -rf "$build/bench-cache-cold"
  MIKAWASE_CACHE_DIR=$build/bench-cache-cold seconds "$@"
}
best_cold() {
  local best="" t
  for ((i = 0; i < 5; i++)); do
    t=$(cold_start "$@")
    if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  echo "$best"
}
one_core=(taskset -c 0)
warm=$(best_of 5 --data-dir data /dev/null)
cold=$(best_cold --data-dir data /dev/null)
none=$(MIKAWASE_CACHE_DIR= best_of 5 --data-dir data /dev/null)
one_core=()
echo
printf 'Empty input, shipped dictionaries, one core: cache warm %.1f ms, cold %.1f ms, off %.1f ms\n' \
  "$(echo "$warm * 1000" | bc -l)" "$(echo "$cold * 1000" | bc -l)" "$(echo "$none * 1000" | bc -l)"

big=$inputs/english-100m.txt
if [[ ! -f $big ]]; then
  for _ in $(seq 100); do cat "$inputs/english-1m.txt"; done >"$big"
fi
echo
/usr/bin/time -f "100 MB input (CR LF lines), shipped dictionaries: %e s, peak resident size %M KiB" \
  "$cli" "$big" >/dev/null
/usr/bin/time -f "10 MB of words that never repeat, shipped dictionaries: %e s, peak resident size %M KiB" \
  "$cli" "$inputs/unique-words-10m.txt" >/dev/null
