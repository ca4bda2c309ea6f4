#!/usr/bin/env python3
"""Print a Markdown table of tuning sentences as two sets of dictionaries
render them, through the real filter: for docs/rendering-examples.md.

Each set is a tuning file of tests/dictionaries/tuning/sentences/ (the
judge's format); the rows taken are the first COUNT after the line that
starts with FROM (a comment that opens a round of rows), so that the
table shows the sentences written for the change it documents.

Usage: rendering_examples.py --cli PATH --before DIR --after DIR
       [--count N] [--from TEXT] SET...
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
TUNING = os.path.join(ROOT, "tests", "dictionaries", "tuning", "sentences")


def sentences(path, start, count):
    """The first count sentences after the comment line starting start."""
    rows, seen = [], start is None
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                seen = seen or line[1:].strip().startswith(start)
                continue
            if seen and line.strip():
                rows.append(line.split("\t")[0])
    return rows[:count]


def render(cli, data_dir, lines):
    env = dict(os.environ)
    env.setdefault("MIKAWASE_CACHE_DIR",
                   os.path.join(tempfile.gettempdir(), "mikawase-examples"))
    out = subprocess.run([cli, "--data-dir", data_dir, "--no-personal"],
                         input="".join(s + "\n" for s in lines).encode(),
                         capture_output=True, check=True, env=env)
    return out.stdout.decode("utf-8").split("\n")[:len(lines)]


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--before", required=True, metavar="DIR")
    parser.add_argument("--after", required=True, metavar="DIR")
    parser.add_argument("--count", type=int, default=12)
    parser.add_argument("--from", dest="start", default="Second round",
                        metavar="TEXT")
    parser.add_argument("sets", nargs="+", metavar="SET")
    args = parser.parse_args(argv)
    for name in args.sets:
        path = name if os.path.exists(name) else os.path.join(
            TUNING, name + ".tsv")
        rows = sentences(path, args.start, args.count)
        if not rows:
            parser.error("no rows after %r in %s" % (args.start, path))
        before = render(args.cli, args.before, rows)
        after = render(args.cli, args.after, rows)
        print("### %s\n" % os.path.splitext(os.path.basename(path))[0])
        print("| English | before | after |\n|---|---|---|")
        for english, old, new in zip(rows, before, after):
            print("| %s | %s | %s |" % (english, old, new))
        print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
