#!/usr/bin/env python3
"""How much of a text the vocabulary renders, judged through the filter.

Every distinct word of the text is run alone through mikawase-cli twice:
with the dictionaries under test, and with empty noun.txt and
adjective.txt (rome.txt kept). A word counts as rendered when the
dictionaries change its output, or when without them a built-in table
already gives it wholly in Japanese, with neither Latin letters nor the
spelling stage's katakana, or drops it (the copulas). Everything else is left to spelling: the
katakana of the last stage, wholly (ウィス for "with") or in part (毎オネ
for "everyone"). The share is over word tokens, so frequent words weigh
as often as they occur.

By default a word is a run of letters (with inner apostrophes), cut out
of whatever touches it. With --as-program-sees the text is cut at white
space only, as the filter cuts it, and every piece that holds a letter is
a token: a word that touches a quote, a bracket or a colon ('"Well',
'(see', 'said:') is run as it stands and counts as rendered only if the
filter renders it so. The marks the filter spaces off itself (. , ? ! ;)
cost nothing either way.

With --latin-share the whole text also goes through the filter once, and
the share of Latin letters among the characters of the rendering (white
space aside) is printed: what a reader meets unrendered, whatever the
cause.

Usage (from the repository root):
    tools/dictionaries/coverage.py [--cli PATH] [--data-dir DIR]
        [--top N] [--as-program-sees] [--latin-share] CORPUS|FILE ...
CORPUS is one of informal-tuning, informal-held-out, literary-tuning,
literary-held-out, technical-tuning, technical-held-out, novel-tuning,
novel-held-out (see corpora.py); FILE is any UTF-8 text.
"""

import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.dirname(HERE))
from dictionaries import corpora  # noqa: E402

WORD_RE = re.compile(r"[A-Za-z]+(?:'[A-Za-z]+)*")
# The spelling stage writes katakana (and the long-vowel mark); a built-in
# word rendering is kanji and kana, with katakana only in loanwords that
# the tables do not hold.
SPELLED_RE = re.compile(r"[A-Za-z\u30a0-\u30ff]")
LETTER_RE = re.compile("[A-Za-z]")


def words_of(text):
    return collections.Counter(WORD_RE.findall(text))


def tokens_of(text):
    """The pieces between white space that hold a letter, marks and all."""
    return collections.Counter(t for t in text.split() if LETTER_RE.search(t))


def render(cli, data_dir, words):
    """The filter's output for each word alone. One line per word: the
    filter spaces line breaks off, so no rule reaches across them and each
    line comes out as it would alone. The space before each line break
    stands for the one that wraps a text of its own, which the
    capitalised-word rules ("I ", "And ") need."""
    text = "".join(w + " \r\n" for w in words)
    env = dict(os.environ)
    env.setdefault("MIKAWASE_CACHE_DIR",
                   os.path.join(tempfile.gettempdir(), "mikawase-coverage"))
    out = subprocess.run([cli, "--data-dir", data_dir],
                         input=text.encode("utf-8"), capture_output=True,
                         check=True, env=env).stdout.decode("utf-8")
    lines = out.split("\n")
    if len(lines) != len(words) + 1:
        raise RuntimeError("the filter gave %d lines for %d words"
                           % (len(lines) - 1, len(words)))
    return dict(zip(words, lines))


def latin_share(cli, data_dir, text):
    """The share of Latin letters among the rendering's characters, white
    space aside, and the number of those characters."""
    env = dict(os.environ)
    env.setdefault("MIKAWASE_CACHE_DIR",
                   os.path.join(tempfile.gettempdir(), "mikawase-coverage"))
    out = subprocess.run([cli, "--data-dir", data_dir, "--no-personal"],
                         input=text.encode("utf-8"), capture_output=True,
                         check=True, env=env).stdout.decode("utf-8")
    shown = [c for c in out if not c.isspace()]
    latin = sum(1 for c in shown if LETTER_RE.match(c))
    return latin / max(len(shown), 1), len(shown)


def empty_data(data_dir, folder):
    for name in ("noun.txt", "adjective.txt"):
        open(os.path.join(folder, name), "wb").close()
    shutil.copy(os.path.join(data_dir, "rome.txt"), folder)
    return folder


def classify(with_dicts, without):
    """'dictionary', 'table' or 'spelling' for one word."""
    if with_dicts != without:
        return "dictionary"
    # An empty output is a copula or auxiliary that a table drops on
    # purpose ("is", "was").
    return "spelling" if SPELLED_RE.search(without) else "table"


def measure(cli, data_dir, counts):
    words = sorted(counts)
    with tempfile.TemporaryDirectory() as empty:
        shipped = render(cli, data_dir, words)
        bare = render(cli, empty_data(data_dir, empty), words)
    kinds = {w: classify(shipped[w], bare[w]) for w in words}
    return kinds, shipped


def report(name, counts, kinds, shipped, top):
    total = sum(counts.values())
    by_kind = collections.Counter()
    for w, n in counts.items():
        by_kind[kinds[w]] += n
    rendered = by_kind["dictionary"] + by_kind["table"]
    print("%s: %d tokens, %d distinct words; rendered %.1f%% "
          "(dictionary %.1f%%, table %.1f%%), spelling %.1f%%"
          % (name, total, len(counts), 100.0 * rendered / total,
             100.0 * by_kind["dictionary"] / total,
             100.0 * by_kind["table"] / total,
             100.0 * by_kind["spelling"] / total))
    if top:
        left = sorted((w for w in counts if kinds[w] == "spelling"),
                      key=lambda w: (-counts[w], w))[:top]
        print("  most frequent words left to spelling:")
        for w in left:
            print("    %6d  %-16s %s" % (counts[w], w, shipped[w]))
    return rendered / total


def main(argv=None):
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        formatter_class=argparse.RawDescriptionHelpFormatter,
        epilog=__doc__.split("\n\n", 1)[1])
    parser.add_argument("--cli", default=os.path.join(
        ROOT, "build", "dev", "bin", "mikawase-cli"))
    parser.add_argument("--data-dir", default=os.path.join(ROOT, "data"))
    parser.add_argument("--top", type=int, default=20,
                        help="list this many words left to spelling")
    parser.add_argument("--as-program-sees", action="store_true",
                        help="cut the text at white space only, so that a "
                             "word touching a quote or bracket is run as "
                             "it stands")
    parser.add_argument("--latin-share", action="store_true",
                        help="also render the whole text and print the "
                             "share of Latin letters in the rendering")
    parser.add_argument("texts", nargs="+", metavar="CORPUS|FILE")
    args = parser.parse_args(argv)
    for name in args.texts:
        if name in corpora.CORPORA:
            if not corpora.available(name):
                parser.error("%s needs Debian's %s package" % (
                    name, corpora.PACKAGES[name.split("-")[0]]))
            text = corpora.text_of(name)
        else:
            with open(name, encoding="utf-8", errors="replace") as f:
                text = f.read()
        counts = tokens_of(text) if args.as_program_sees else words_of(text)
        kinds, shipped = measure(args.cli, args.data_dir, counts)
        report(name + (" (as the program sees it)"
                       if args.as_program_sees else ""),
               counts, kinds, shipped, args.top)
        if args.latin_share:
            share, size = latin_share(args.cli, args.data_dir, text)
            print("  rendering: %d characters, Latin letters %.2f%%"
                  % (size, 100 * share))
    return 0


if __name__ == "__main__":
    sys.exit(main())
