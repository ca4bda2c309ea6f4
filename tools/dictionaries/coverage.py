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

A loanword whose entry is spelt just as the spelling stage would spell
it (コマンド "command", リスト "list", シェル "shell") reads right, and it
is there because a dictionary line chose it: it counts as rendered. To
tell it from a word no line touched, the words whose output the
dictionaries leave alone run a third time, with every value of noun.txt
and adjective.txt marked (◆ before it): where the mark shows, a line
acted. (Until 2026-12 such a word counted as left to spelling, which made
the measure prefer a native word that reads worse, 命令 for "command";
--loanwords-as-spelling counts so still, to compare with figures of
then.)

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
        [--top N] [--as-program-sees] [--latin-share]
        [--loanwords-as-spelling] CORPUS|FILE ...
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


# Put before every value of the marked files: a character no rule or
# spelling writes, in code page 932.
ACTED = "◆"


def marked_data(data_dir, folder):
    """data_dir's files with every value of the word files marked."""
    for name in ("noun.txt", "adjective.txt"):
        with open(os.path.join(data_dir, name), "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")
        marked = [line[:15] + ACTED + line[15:] if line else line
                  for line in lines]
        with open(os.path.join(folder, name), "wb") as f:
            f.write("\r\n".join(marked).encode("cp932"))
    shutil.copy(os.path.join(data_dir, "rome.txt"), folder)
    return folder


def classify(with_dicts, without, acted=False):
    """'dictionary', 'table' or 'spelling' for one word; acted tells that
    a dictionary line took it, though its output is the spelling's."""
    if with_dicts != without or acted:
        return "dictionary"
    # An empty output is a copula or auxiliary that a table drops on
    # purpose ("is", "was").
    return "spelling" if SPELLED_RE.search(without) else "table"


def measure(cli, data_dir, counts, loanwords_as_spelling=False):
    words = sorted(counts)
    with tempfile.TemporaryDirectory() as empty, \
            tempfile.TemporaryDirectory() as marked:
        shipped = render(cli, data_dir, words)
        bare = render(cli, empty_data(data_dir, empty), words)
        same = [w for w in words if shipped[w] == bare[w]]
        acted = {}
        if same and not loanwords_as_spelling:
            acted = render(cli, marked_data(data_dir, marked), same)
    kinds = {w: classify(shipped[w], bare[w], ACTED in acted.get(w, ""))
             for w in words}
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
    parser.add_argument("--loanwords-as-spelling", action="store_true",
                        help="count a word whose entry is spelt as the "
                             "spelling stage spells it as left to "
                             "spelling, as the measure did before")
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
        kinds, shipped = measure(args.cli, args.data_dir, counts,
                                 args.loanwords_as_spelling)
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
