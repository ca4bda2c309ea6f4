#!/usr/bin/env python3
"""Times the real filter on one input with two dictionary folders, to say
what a change of the dictionaries costs in speed.

The same executable runs both, turn about (A, B, A, B, ...), held to one
core (taskset -c CORE), so that the load of a shared machine falls on both
alike; each run is a whole process (start-up, reading the files, the
compiled-dictionary cache warm, translating, writing to /dev/null). Prints
the median wall time of each and their ratio, B over A.

Usage: bench/compare_dictionaries.py [--runs N] [--core C] CLI INPUT
           DATA_A DATA_B
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run(cli, data, text, env, core):
    start = time.perf_counter()
    subprocess.run(["taskset", "-c", str(core), cli, "--data-dir", data,
                    "--no-personal", text], stdout=subprocess.DEVNULL,
                   check=True, env=env)
    return time.perf_counter() - start


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--core", type=int, default=1)
    parser.add_argument("cli")
    parser.add_argument("input")
    parser.add_argument("data_a")
    parser.add_argument("data_b")
    args = parser.parse_args(argv)
    with tempfile.TemporaryDirectory() as cache:
        env = dict(os.environ, MIKAWASE_CACHE_DIR=cache)
        # One untimed run each fills the compiled-dictionary cache.
        for data in (args.data_a, args.data_b):
            run(args.cli, data, args.input, env, args.core)
        times = {args.data_a: [], args.data_b: []}
        for _ in range(args.runs):
            for data in (args.data_a, args.data_b):
                times[data].append(run(args.cli, data, args.input, env,
                                       args.core))
    a = statistics.median(times[args.data_a])
    b = statistics.median(times[args.data_b])
    print("%s: %s, %d interleaved runs each on core %d"
          % (os.path.basename(args.input), args.cli, args.runs, args.core))
    print("  A %s: median %.3f s" % (args.data_a, a))
    print("  B %s: median %.3f s" % (args.data_b, b))
    print("  B/A: %.2f" % (b / a))
    return 0


if __name__ == "__main__":
    sys.exit(main())
