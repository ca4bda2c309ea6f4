#!/usr/bin/env python3
"""Check the shipped dictionaries through the real filter: what a reader
sees, not what the files hold.

  * Pinned sentences: whole renderings with the shipped files, each
    guarding one kind of entry (verbs, negation, the pieces of
    contractions, names, words that the built-in rules would break).
  * Every key of the reviewed core acts: alone, it comes out as its
    entry. An earlier line that takes its word (a noun whose plural is
    spelt like it, "doe" and "does") would change it.
  * --held-out: the share of the held-out lists (heldout/nouns.tsv,
    heldout/words.tsv) that the filter renders right; the lists were
    written before the generator was tuned and are never tuned to.

Usage: check_renderings.py --cli PATH [--data-dir DIR] [--held-out]
       [--verbose]; exit 0 when all hold.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from dictionaries import core_words  # noqa: E402

# Held-out shares the vocabulary must keep. The aim is 92% of the nouns
# and 85% of the other words; the files reached 87.5% and 76.0% when these
# lists were first judged (they hold none of the reviewed core's words, so
# they measure the generator's own choices). The floors guard that level.
NOUNS_REQUIRED = 0.85
WORDS_REQUIRED = 0.74

PINNED = [
    # Verbs by their most frequent reading (hit, swing), with のは where they
    # take an object; prepositions as the postposition they stand for; a
    # disk is no discus.
    ("You swing at the Sun. He hits you with a disk!",
     "あなたが揺さぶるのはでその太陽。彼が打つのはあなたと一緒に一つのディスク！"),
    ("My wife looked at the sky.", "私の妻が見たでその空。"),
    # Words that the built-in "every", "some", "there", "want" and "think"
    # would break from inside.
    ("Everyone wanted something.", "皆が欲したのは何か。"),
    ("The program is thinking.", "そのプログラムが考えているのは。"),
    ("Somebody is somewhere.", "誰かどこかで。"),
    ("I want to go home, therefore I am leaving.",
     "私がしたい事が行く家庭、したがって私が去っているのは。"),
    # Negation that cannot be missed, and the pieces the contraction rule
    # leaves ("ca not", "wo not", "do not").
    ("Nothing is certain.", "何も…ない確かな。"),
    ("It has no effect.", "それが持っているのは無い効果。"),
    ("I can't go, and he won't come.",
     "私できないが行く、そして彼しないだろうが来る。"),
    ("They don't know where we live.",
     "それらしないが知っているのはどこで私たちが住む。"),
    ("She would never do that without him.",
     "彼女だろう決して…ないするそのなしで彼。"),
    ("It's easier to be happy.", "それはより易いあること嬉しい。"),
    # A noun's plural that is mostly another word: "does" is not does (雌鹿),
    # "leaves" mostly a verb.
    ("What does it mean?", "なにがそれが意味するのは？"),
    ("Leave the leaves where they are.",
     "が去るのはそのが去るのはどこでそれら。"),
    # Names, never a slang sense of the lowercased word; a perfect is no
    # possession.
    ("John went to London with Mary.",
     "ジョンが行った所はロンドンと一緒にメアリー。"),
    ("We have seen it.", "私たちが見たのはそれ。"),
    # A word of the phrase table still has an entry of its own.
    ("I love you.", "私愛あなた。"),
]

LATIN_OR_SPELLING = re.compile(r"[A-Za-z\u30a1-\u30f6\u30fc]")


def run(cli, data_dir, text):
    env = dict(os.environ)
    env.setdefault("MIKAWASE_CACHE_DIR",
                   os.path.join(tempfile.gettempdir(), "mikawase-checks"))
    return subprocess.run([cli, "--data-dir", data_dir],
                          input=text.encode("utf-8"), capture_output=True,
                          check=True, env=env).stdout.decode("utf-8")


def alone(cli, data_dir, words):
    """Each word's rendering alone (one line each; see coverage.py)."""
    out = run(cli, data_dir, "".join(w + " \r\n" for w in words))
    return dict(zip(words, out.split("\n")))


def check_pinned(cli, data_dir, problems):
    for text, expected in PINNED:
        got = run(cli, data_dir, text).rstrip("\n")
        if got != expected:
            problems.append("%r renders as %r, expected %r"
                            % (text, got, expected))


def check_core_acts(cli, data_dir, problems):
    expected = dict(core_words.CORE_WORDS + core_words.CORE_PHRASES)
    shipped = alone(cli, data_dir, sorted(expected))
    for key in sorted(expected):
        if shipped[key] != expected[key]:
            problems.append("core word %r renders as %r, not as its entry %r"
                            % (key, shipped[key], expected[key]))


def read_list(name):
    with open(os.path.join(HERE, "heldout", name), encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f
                if line.strip() and not line.startswith("#")]


def check_held_out(cli, data_dir, verbose, problems):
    nouns = read_list("nouns.tsv")
    words = read_list("words.tsv")
    got = alone(cli, data_dir, [e for e, _ in nouns + words])
    for name, rows, required, right in (
            ("nouns", nouns, NOUNS_REQUIRED,
             lambda out, accepted: out in accepted),
            ("verbs, function words and names", words, WORDS_REQUIRED,
             lambda out, accepted: any(a in out for a in accepted))):
        misses = [(e, got[e]) for e, j in rows
                  if not right(got[e], j.split("|"))]
        share = 1 - len(misses) / len(rows)
        print("held-out %s: %d of %d right (%.1f%%), %d%% required"
              % (name, len(rows) - len(misses), len(rows), 100 * share,
                 100 * required))
        if verbose:
            for e, out in misses:
                print("  %s: %s" % (e, out))
        if share < required:
            problems.append("held-out %s below %d%%" % (name, 100 * required))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data-dir", default=os.path.join(ROOT, "data"))
    parser.add_argument("--held-out", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    problems = []
    check_pinned(args.cli, args.data_dir, problems)
    check_core_acts(args.cli, args.data_dir, problems)
    if args.held_out:
        check_held_out(args.cli, args.data_dir, args.verbose, problems)
    for p in problems:
        print(p)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
