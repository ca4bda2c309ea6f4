#!/usr/bin/env bash
# Times one mikawase-cli on one input with two sets of dictionaries, to
# tell what a change to data/ costs the filter. The runs alternate between
# the two sets (so that a slower moment of a shared machine falls on both),
# each held to one core with taskset; each set's median CPU time (user +
# system) and wall time are printed with the ratio of the second set to
# the first. The compiled-dictionary cache is warmed first for each set, as
# in real use.
#
# Usage: bench/compare_data.sh CLI INPUT DATA_DIR_A DATA_DIR_B [RUNS]
#        (RUNS per set, default 9)
set -euo pipefail
if (( $# < 4 )); then
  sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
cli=$1 input=$2 a=$3 b=$4 runs=${5:-9}
command -v taskset >/dev/null || { echo "needs taskset (apt-get install util-linux)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export MIKAWASE_CACHE_DIR=$work/cache XDG_DATA_HOME=$work/no-personal

run() {  # prints "cpu wall" (seconds) for one run with data dir $1
  python3 - "$cli" "$1" "$input" <<'PY'
import os, subprocess, sys, time
cli, data, text = sys.argv[1:]
start = time.monotonic()
with open(text, "rb") as f, open(os.devnull, "wb") as out:
    child = subprocess.Popen(["taskset", "-c", "1", cli, "--data-dir", data,
                              "--no-personal"], stdin=f, stdout=out)
    _, status, usage = os.wait4(child.pid, 0)
wall = time.monotonic() - start
if status:
    sys.exit("the filter failed")
print("%.4f %.4f" % (usage.ru_utime + usage.ru_stime, wall))
PY
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

run "$a" >/dev/null
run "$b" >/dev/null
for ((i = 0; i < runs; i++)); do
  run "$a" >>"$work/a"
  run "$b" >>"$work/b"
done
ca=$(cut -d' ' -f1 "$work/a" | median) wa=$(cut -d' ' -f2 "$work/a" | median)
cb=$(cut -d' ' -f1 "$work/b" | median) wb=$(cut -d' ' -f2 "$work/b" | median)
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores; input $(basename "$input"); $runs runs each, interleaved, taskset -c 1"
echo "A $a: median CPU ${ca}s, wall ${wa}s"
echo "B $b: median CPU ${cb}s, wall ${wb}s"
echo "B/A: CPU $(echo "scale=3; $cb / $ca" | bc -l), wall $(echo "scale=3; $wb / $wa" | bc -l)"
