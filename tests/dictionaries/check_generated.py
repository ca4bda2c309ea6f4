#!/usr/bin/env python3
"""Check that the committed dictionaries are exactly what the generator
makes from the installed Debian packages.

Exit status: 0 when data/noun.txt, data/adjective.txt and data/rome.txt are
byte-identical to a fresh run of tools/make_dictionaries.py, 1 with a
summary of the differences otherwise, 77 (skip) when one of its inputs is
missing: Debian's edict, enamdict, dict-freedict-eng-jpn, wordnet-base,
libkkc-data or python3-marisa.
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from dictionaries import (edict, freedict, kkc, names,  # noqa: E402
                          wordnet)  # (the generator under test)

EDICT = edict.DEFAULT_PATH
KKC = kkc.DEFAULT_DIR
# Each source file the generator reads, and the Debian package it is in.
SOURCES = (
    (EDICT, "edict"),
    (names.DEFAULT_PATH, "enamdict"),
    (os.path.join(freedict.DEFAULT_DIR, freedict.NAME + ".index"),
     "dict-freedict-eng-jpn"),
    (os.path.join(wordnet.DEFAULT_DIR, "cntlist.rev"), "wordnet-base"),
    (os.path.join(KKC, "data.1gram.index"), "libkkc-data"),
)
FILES = ("noun.txt", "adjective.txt", "rome.txt")
SKIP = 77


def lines(path):
    with open(path, "rb") as f:
        return f.read().decode("cp932", errors="replace").split("\r\n")


def describe(name, committed, fresh):
    old, new = lines(committed), lines(fresh)
    print("%s differs: committed %d lines, generator %d lines"
          % (name, len(old), len(new)))
    old_set, new_set = set(old), set(new)
    gone = [ln for ln in old if ln not in new_set]
    added = [ln for ln in new if ln not in old_set]
    for label, rows in (("only committed", gone), ("only generated", added)):
        if rows:
            print("  %d lines %s, e.g.:" % (len(rows), label))
            for ln in rows[:5]:
                print("    %r" % ln)
    if not gone and not added:
        print("  same lines in another order, or different line ends")


def main():
    for path, package in SOURCES:
        if not os.path.exists(path):
            print("SKIP: %s not found (install Debian's %s package)"
                  % (path, package))
            return SKIP
    try:
        kkc.import_marisa()
    except ImportError:
        print("SKIP: the marisa module is missing (install Debian's "
              "python3-marisa package)")
        return SKIP
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable,
                        os.path.join(ROOT, "tools", "make_dictionaries.py"),
                        "--edict", EDICT, "--kkc", KKC, "--out-dir", out],
                       check=True, stdout=subprocess.DEVNULL)
        bad = 0
        for name in FILES:
            committed = os.path.join(ROOT, "data", name)
            fresh = os.path.join(out, name)
            with open(committed, "rb") as a, open(fresh, "rb") as b:
                if a.read() != b.read():
                    describe(name, committed, fresh)
                    bad += 1
    if bad:
        print("regenerate with: tools/make_dictionaries.py")
        return 1
    print("data/%s match the generator" % ", ".join(FILES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
