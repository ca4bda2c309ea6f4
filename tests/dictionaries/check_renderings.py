#!/usr/bin/env python3
"""Check the shipped dictionaries through the real filter: what a reader
sees, not what the files hold.

  * Pinned sentences: whole renderings with the shipped files, each
    guarding one kind of entry (verbs, negation, the pieces of
    contractions, names, words that the built-in rules would break).
  * Every key of the reviewed core acts: alone, it comes out as its
    entry. An earlier line that takes its word (a noun whose plural is
    spelt like it, "doe" and "does") would change it.
  * --held-out: the share of the held-out lists (heldout/*.tsv) that the
    filter renders right; the lists were written before the generator was
    tuned and are never tuned to.
  * --judge LIST...: only the shares of the named lists, such as the
    tuning lists (tuning/*.tsv), with --verbose the words it gets wrong.

Usage: check_renderings.py --cli PATH [--data-dir DIR] [--held-out]
       [--verbose] [--judge LIST...]; exit 0 when all hold.
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
# and 85% of the other words; the files reached 87.5% and 76.0% on the
# first lists when they were first judged (they hold none of the reviewed
# core's words, so they measure the generator's own choices), and 87.5%
# and 90.0% after the second round on verbs. The second lists, drawn from
# another frequency source, were first judged at 85.6% and 86.0%. The
# floors guard those levels.
NOUNS_REQUIRED = 0.94
WORDS_REQUIRED = 0.88
ROUND2_NOUNS_REQUIRED = 0.84
ROUND2_WORDS_REQUIRED = 0.84
ROUND3_NOUNS_REQUIRED = 0.88

PINNED = [
    # Verbs by their most frequent reading (hit, swing), with のは where they
    # take an object, and the verb Japanese writes most among those EDICT
    # glosses alike (振る, not 揺さぶる); prepositions as the postposition
    # they stand for; a disk is no discus.
    ("You swing at the Sun. He hits you with a disk!",
     "あなたが振るのはその太陽で。彼が打つのはあなた一つのディスクで！"),
    ("My wife looked at the sky.", "私の妻が見たその空で。"),
    # Verbs EDICT glosses only with a preposition after them (着く "to
    # arrive at", 属する "to belong to"), or only through their noun (無視
    # "ignoring", a noun that takes する).
    ("They arrived late and ignored me.",
     "それらが着いた遅いそしてが無視したのは私。"),
    # (Both are phrasal verbs now, which take their preposition.)
    ("The book belongs to her; it consists of two parts.",
     "その本が属する彼女、それが成る二部。"),
    # An "-ly" adverb that EDICT glosses nowhere, from its adjective.
    ("It is significantly larger.", "それ有意義により大きい。"),
    # Words that the built-in "every", "some", "there", "want" and "think"
    # would break from inside.
    ("Everyone wanted something.", "皆が欲したのは何か。"),
    ("The program is thinking.", "そのプログラムが考えているのは。"),
    ("Somebody is somewhere.", "誰かどこかで。"),
    # "want to" with its verb after it, as Japanese says it (行きたい).
    ("I want to go home, therefore I am leaving.",
     "私が帰りたい、したがって私が去っているのは。"),
    # Idioms and phrasal verbs, in their forms and through a placeholder
    # where the key is too long; a relative pronoun left out and the verb
    # after it a verb; the question word after a full stop; the senses a
    # neighbour decides.
    ("She gave up the piano.", "彼女が諦めたのはそのピアノ。"),
    ("Call me as soon as possible.", "が電話するのは私できるだけ早く。"),
    ("It depends on the weather.", "それが依存するその天気。"),
    ("The woman who lives next door is a doctor.",
     "その女が住む次のドア一つの医者。"),
    ("He came. Who is he?", "彼が来た。誰彼？"),
    ("You may sit here.", "あなたが座ってもよいここ。"),
    ("She speaks Japanese.", "彼女が話す日本語。"),
    # Negation that cannot be missed, and the pieces the contraction rule
    # leaves ("ca not", "wo not", "do not"); "nothing is", "has no" read
    # after what they deny.
    ("Nothing is certain.", "何も確かではない。"),
    ("It has no effect.", "それ効果がない。"),
    ("I can't go, and he won't come.",
     "私が行けない、そして彼が来ないだろう。"),
    ("They don't know where we live.",
     "それらが知らないのはどこで私たちが住む。"),
    ("She would never do that without him.",
     "彼女がしないだろうそのなしで彼。"),
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
    # A word of the phrase table still has an entry of its own; after a
    # subject pronoun it is read as the verb.
    ("Love is blind.", "愛盲目的な。"),
    ("I love you.", "私が愛するのはあなた。"),
    # Loanwords that are the word (コーヒー, whose kanji 珈琲 is ateji;
    # ボタン, glossed "button (por:)"); a compound the frequency model
    # splits (十年, not 桁 "digit"); an -ing noun's own verbal noun (理解),
    # and the plural of one whose singular went to the verb ("setting").
    ("A cup of coffee and a button.",
     "一つのカップのコーヒーそして一つのボタン。"),
    ("It took a decade.", "それが取ったのは一つの十年。"),
    ("Understanding takes time.", "理解が取るのは時間。"),
    ("Change the settings.", "変更その設定。"),
    # A noun that takes する reads right for the verb as well, where the
    # verb's topic phrase garbles the noun ("a visit"); after a subject
    # pronoun the verb's form is taken.
    ("A promise is a promise.", "一つの約束一つの約束。"),
    ("I promise a visit.", "私が約束するのは一つの訪問。"),
    # No name takes a word EDICT has as an everyday one: "apple" was アプル
    # and "Monday" モンディ, both names in ENAMDICT.
    ("I ate an apple on Monday.", "私が食べたのは一つのりんごの上に月曜。"),
    # Proper nouns EDICT glosses with a capital, where no person bears the
    # name.
    ("Christianity and Buddhism came to Europe.",
     "キリスト教そして仏教が来たその対象は欧州。"),
    # The usual exonym, which FreeDict gives where ENAMDICT's spellings of
    # the name miss it (ロマ, ネープルス, アンナン).
    ("They went from Rome to Naples and Vietnam.",
     "それらが行ったからローマその対象はナポリそしてベトナム。"),
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
    """(word, accepted renderings, kind) for each line of a list; the
    first round's lists have no kind column."""
    rows = []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                fields = line.rstrip("\n").split("\t")
                rows.append((fields[0], fields[1].split("|"),
                             fields[2] if len(fields) > 2 else ""))
    return rows


def right(is_noun_list, out, accepted):
    """A noun must be rendered as one of its words, whole; any other word
    must hold one of its pieces (a verb's stem, whatever its form)."""
    if is_noun_list:
        return out in accepted
    return any(a in out for a in accepted)


def judge(cli, data_dir, name, verbose):
    """The share of a list that the filter renders right, printed with
    the share of each kind; returns the share."""
    rows = read_list(name)
    is_noun_list = os.path.basename(name).endswith("nouns.tsv")
    got = alone(cli, data_dir, [w for w, _, _ in rows])
    misses = [(w, kind) for w, accepted, kind in rows
              if not right(is_noun_list, got[w], accepted)]
    share = 1 - len(misses) / len(rows)
    kinds = sorted(set(k for _, _, k in rows if k))
    by_kind = ", ".join(
        "%s %d/%d" % (k, sum(1 for _, _, r in rows if r == k)
                      - sum(1 for _, m in misses if m == k),
                      sum(1 for _, _, r in rows if r == k)) for k in kinds)
    print("%s: %d of %d right (%.1f%%)%s"
          % (name, len(rows) - len(misses), len(rows), 100 * share,
             "; " + by_kind if by_kind else ""))
    if verbose:
        for w, kind in misses:
            print("  %s%s: %s" % (w, " (%s)" % kind if kind else "", got[w]))
    return share


# The held-out lists and the share each must keep. (heldout/nouns.tsv was
# reviewed into the core since, and is kept to that review's level.)
HELD_OUT = [
    ("heldout/nouns.tsv", NOUNS_REQUIRED),
    ("heldout/words.tsv", WORDS_REQUIRED),
    ("heldout/round2_nouns.tsv", ROUND2_NOUNS_REQUIRED),
    ("heldout/round2_words.tsv", ROUND2_WORDS_REQUIRED),
    ("heldout/round3_nouns.tsv", ROUND3_NOUNS_REQUIRED),
]


def check_held_out(cli, data_dir, verbose, problems):
    for name, required in HELD_OUT:
        share = judge(cli, data_dir, name, verbose)
        if share < required:
            problems.append("%s below %d%%" % (name, 100 * required))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data-dir", default=os.path.join(ROOT, "data"))
    parser.add_argument("--held-out", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--judge", nargs="+", metavar="LIST",
                        help="only report the share of these lists "
                             "(paths below tests/dictionaries) that the "
                             "filter renders right")
    args = parser.parse_args()
    if args.judge:
        for name in args.judge:
            judge(args.cli, args.data_dir, name, args.verbose)
        return 0
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
