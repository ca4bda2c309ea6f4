#!/usr/bin/env python3
"""Draw the second held-out word lists and their tuning lists.

The words come by frequency from a source the generator never reads:
SCOWL's size-10 list (Debian's "scowl", /usr/share/dict/scowl/
english-words.10), which its README describes as the 1000 most common
English words of Moby Words II with the commonest frequency class of
Kelk's UK word list. WordNet's tagged counts only say which part of
speech a word mostly is, and leave out what earlier rounds reviewed or
judged:

  * WordNet's 700 most frequent nouns and 330 most frequent verbs (the
    first round reviewed them, or holds them out);
  * held-out verbs whose renderings were seen while tuning
    (SEEN_WHILE_TUNING), replaced by verbs of SCOWL's next band;
  * the reviewed core, the built-in tables, every word of an earlier test
    list, and the words whose renderings the docs and pinned sentences
    show (SEEN).

Names are the places and people WordNet counts most as names, and the
given names that occur most often in Austen's novels (Debian's
r-cran-janeaustenr); function words are the closed-class words the core
renders. Each pool is shuffled with a fixed seed and cut: the first part
is held out, the next is for tuning. Only the English words are drawn
here; the Japanese was written by hand before any of them was run
through the filter.

With --round 3 it draws the third held-out nouns instead, and only
those: 160 nouns of SCOWL's next band (english-words.20) by the same
noun criterion, beyond WordNet's 700 most frequent nouns as before (the
band holds more than enough without them), leaving out every word of
every test list (*.tsv, heldout/*.tsv, tuning/*.tsv) but its own, the
reviewed core, the built-in tables, SEEN and the words of that pool that
stand beside Japanese somewhere in the repository (SEEN_IN_REPOSITORY);
the pool is shuffled with its own seed and its first 160 taken.

Usage: draw_word_lists.py [--round 3]; prints the lists.
"""
import argparse
import glob
import os
import random
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from dictionaries import core_words  # noqa: E402
from dictionaries.english import singular, verb_forms  # noqa: E402
from dictionaries.exclusions import (BUILT_IN, EXCLUDED,  # noqa: E402
                                     FUNCTION_WORDS)
from dictionaries.wordnet import WordNet  # noqa: E402

SCOWL = "/usr/share/dict/scowl/english-words.10"
# The next frequency band, for replacements.
SCOWL_NEXT = "/usr/share/dict/scowl/english-words.20"
SEED = 20240602
ROUND3_SEED = 20250917
ROUND3_NOUNS = 160
# What the third round's draw was written to: not a list to leave out.
ROUND3_LIST = "heldout/round3_nouns.tsv"

# Words whose renderings the docs, the pinned sentences or the core show:
# their answer was seen before these lists were written.
SEEN = set("""
    cat dog sun disk wife sky car book letter town evening night eye eyes
    tree sister travel meeting wedding mother program love glass tooth
    fault leaf leaves home effect alphabet silence nature computer station
    flower teacher month months coffee february pen life
    hit swing miss read write think walk worry take look cross bother
    conclude supply mean need lie lay leave live know go come eat learn
    speak say tell see hate help draw add die contain adopt call melt want
    like have do show sleep continue
    slowly rarely roughly completely highly perfectly quickly carefully
    certainly finally nearly
    john london mary rome
""".split())

# Places and people only: WordNet also writes "South", "May" and "Lord"
# with a capital.
NOT_NAMES = set("""
    god jew more south american sunday may monday saturday june west
    catholic english congress north november negro april christ c
    protestant tsh southerner september friday mexican march february
    utopia august thursday october july german bible a wednesday tuesday
    january devil lord white russian rebel pbs pacific mass indian greek
    christianity christian tv reb nov french dec b yokuts republican gnp
    f dc yank spanish red providence ph gospel communist bourbon aegean
    athabascan renaissance protestantism president pm o nazi nation
    yankee swiss sob scripture scot pyrex mc m k jap iliad frenchman feb
    father englishman christmas catholicism bw utopian senate psithyrus
    pole northerner democrat communion call bombus aureomycin aug soviets
    sioux sept saturn roman protozoa platonism pentagon oct martian icbm
    hp hitler fall eeg easter death creator cr cheyenne buddha british
    americana atlantic mars jupiter venus eve east
""".split())

# Held-out verbs whose base form's rendering was seen while tuning, in a
# listing of WordNet's verbs ranked 331 to 480 by tagged count. Each is
# replaced, in the same form, by the next unseen verb of SCOWL's size-20
# band ranked below 480 by WordNet.
SEEN_WHILE_TUNING = set("""
    quote appreciate ring arrange disappear prefer grant survive relate
    submit march display solve combine search fix afford exclude acquire
    rush examine compute train preserve adjust invite install complain
    aid alter associate construct succeed retain manage persuade devote
    differ trust attach
""".split())
# The verbs of WordNet's ranks 331 to 480, all seen in that listing.
SEEN_VERB_RANKS = range(331, 481)

# Nouns of the third round's pool that stand on a line with Japanese in
# some file of the repository (a test, a doc, a comment of the generator
# or a fuzzing sample), so that their renderings may have been seen.
SEEN_IN_REPOSITORY = set("""
    adjective cap ceremony engine exclamation par penalty refusal revision
    romance verb vowel ward
""".split())

GIVEN_NAMES = set("""
    elizabeth emma anne jane fanny catherine edmund henry edward harriet
    frank charles robert william thomas james george lucy maria julia
    isabella sophia john mary margaret elinor marianne lydia kitty
    charlotte susan richard frederick
""".split())


def old_test_words():
    words = set()
    for name in ("common_nouns.tsv", "heldout_nouns.tsv",
                 "heldout/nouns.tsv", "heldout/words.tsv"):
        with open(os.path.join(HERE, name), encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    words.add(line.split("\t")[0])
    return words


def every_test_word():
    """The words of every test list of the earlier rounds."""
    words = set()
    for pattern in ("*.tsv", "heldout/*.tsv", "tuning/*.tsv"):
        for path in sorted(glob.glob(os.path.join(HERE, pattern))):
            if path == os.path.join(HERE, ROUND3_LIST):
                continue
            with open(path, encoding="utf-8") as f:
                for line in f:
                    if line.strip() and not line.startswith("#"):
                        words.add(line.split("\t")[0])
    return words


def is_noun(wordnet, w):
    """A word WordNet counts mostly as a noun, by its own lemma: not a
    plural or an "-ing" form."""
    n, v, a, r = [wordnet.count(w, p) for p in "nvar"]
    return n >= 3 and n >= 2 * (v + a + r) and wordnet.has(w, "n") \
        and not w.endswith("ing") \
        and not wordnet.has(singular(w) or "", "n")


def ranks(wordnet, pos):
    lemmas = [w for w in wordnet.lemmas(pos) if w.isalpha()]
    lemmas.sort(key=lambda w: (-wordnet.count(w, pos), w))
    return {w: i for i, w in enumerate(lemmas, 1)}


def austen_names():
    """The given names of GIVEN_NAMES by how often they stand, with a
    capital, in Austen's novels (read through R, as bench/make_inputs.sh
    does)."""
    import subprocess
    counts = {}
    try:
        text = subprocess.run(
            ["Rscript", "-e", "library(janeaustenr);"
             "writeLines(austen_books()$text)"],
            capture_output=True, check=True).stdout.decode("utf-8")
    except (OSError, subprocess.CalledProcessError):
        return []
    for w in re.findall(r"\b[A-Z][a-z]+\b", text):
        if w.lower() in GIVEN_NAMES:
            counts[w.lower()] = counts.get(w.lower(), 0) + 1
    return sorted(counts, key=lambda w: (-counts[w], w))


def shuffled(pool):
    pool = sorted(pool)
    random.Random(SEED).shuffle(pool)
    return pool


def draw_round3():
    """The third held-out nouns."""
    wordnet = WordNet()
    noun_rank = ranks(wordnet, "n")
    core = set(core_words.CORE_NOUNS) | set(core_words.CORE_VERBS) \
        | set(k for k, _ in core_words.CORE_WORDS) \
        | set(w for k, _ in core_words.CORE_PHRASES for w in k.split())
    left_out = every_test_word() | core | EXCLUDED | BUILT_IN | SEEN \
        | SEEN_IN_REPOSITORY
    with open(SCOWL_NEXT, encoding="latin-1") as f:
        pool = sorted(set(w for w in f.read().split()
                          if w.isalpha() and w.islower()
                          and w not in left_out and is_noun(wordnet, w)
                          and noun_rank[w] > 700))
    print("pool: %d nouns" % len(pool))
    random.Random(ROUND3_SEED).shuffle(pool)
    nouns = pool[:ROUND3_NOUNS]
    print("held-out nouns (%d): %s" % (len(nouns), " ".join(nouns)))
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--round", type=int, choices=(2, 3), default=2,
                        help="the round whose lists to draw (default 2)")
    if parser.parse_args().round == 3:
        return draw_round3()
    return draw_round2()


def draw_round2():
    """The second held-out lists and their tuning lists."""
    wordnet = WordNet()
    with open(SCOWL, encoding="latin-1") as f:
        common = sorted(set(w for w in f.read().split()
                            if w.isalpha() and w.islower()))
    noun_rank, verb_rank = ranks(wordnet, "n"), ranks(wordnet, "v")
    core = set(core_words.CORE_NOUNS) | set(core_words.CORE_VERBS) \
        | set(k for k, _ in core_words.CORE_WORDS)
    left_out = old_test_words() | core | EXCLUDED | BUILT_IN | SEEN

    def count(w):
        return [wordnet.count(w, p) for p in "nvar"]

    nouns, verbs, adverbs = [], [], []
    for w in common:
        if w in left_out:
            continue
        n, v, a, r = count(w)
        # A noun by its own lemma, not a plural or an "-ing" form.
        if n >= 3 and n >= 2 * (v + a + r) and wordnet.has(w, "n") \
                and not w.endswith("ing") and noun_rank[w] > 700 \
                and not wordnet.has(singular(w) or "", "n"):
            nouns.append(w)
        if v >= 3 and v > n and v > a + r and verb_rank[w] > 330:
            verbs.append(w)
        if r >= 3 and r > n + v + a:
            adverbs.append(w)
    # A function word that the core deletes ("been") has no rendering to
    # judge.
    core_values = dict(core_words.CORE_WORDS)
    function = [w for w in FUNCTION_WORDS.split()
                if w not in old_test_words() | SEEN and core_values.get(w)]
    places = [w for w in wordnet.lemmas("n")
              if w.isalpha() and wordnet.name_count(w) >= 3
              and w not in NOT_NAMES and w not in left_out]
    given = [w for w in austen_names() if w not in left_out][:12]

    with open(SCOWL_NEXT, encoding="latin-1") as f:
        next_band = sorted(set(w for w in f.read().split()
                               if w.isalpha() and w.islower()))
    replacements = shuffled(
        w for w in next_band if w not in left_out
        and (lambda n, v, a, r: v >= 3 and v > n and v > a + r)(*count(w))
        and verb_rank[w] > SEEN_VERB_RANKS[-1])

    nouns, verbs, adverbs = shuffled(nouns), shuffled(verbs), \
        shuffled(adverbs)
    held_out_verbs = verbs[:100]
    for i, w in enumerate(held_out_verbs):
        if w in SEEN_WHILE_TUNING:
            held_out_verbs[i] = replacements.pop(0)
    function, places, given = shuffled(function), shuffled(places), \
        shuffled(given)
    irregular = {}
    for form, base in wordnet.irregular_forms("v"):
        irregular.setdefault(base, []).append(form)
    order = ("base", "past", "ing", "s")

    def forms(words):
        # Of two spellings of a form ("quit" and "quitted"), the shorter
        # is the usual one.
        return [min(verb_forms(w, irregular.get(w, []))[order[i % 4]],
                    key=lambda f: (len(f), f))
                for i, w in enumerate(words)]

    lists = {
        "held-out nouns": nouns[:160],
        "tuning nouns": nouns[160:],
        "held-out verbs": forms(held_out_verbs),
        "tuning verbs": forms(verbs[100:200]),
        "held-out adverbs": adverbs[:15],
        "tuning adverbs": adverbs[15:45],
        "held-out function words": function[:20],
        "tuning function words": function[20:35],
        "held-out names": places[:10] + given[:5],
        "tuning names": places[10:25] + given[5:10],
    }
    for name, words in lists.items():
        print("%s (%d): %s" % (name, len(words), " ".join(words)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
