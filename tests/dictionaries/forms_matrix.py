#!/usr/bin/env python3
"""Every frequent verb in every everyday negative, modal and passive form,
through the real filter, with the form of each rendering checked.

The verbs are WordNet's most frequent (ranks 1 to 100 and 231 to 400 by
tagged count; the band between is kept apart for the held-out judge and
is skipped here without being read out). Each verb is put in each
construction of FORMS ("didn't V", "Don't V", "will V", "was V-ed", ...)
with a subject and an object taken in turn from SUBJECTS and OBJECTS, so
that every verb meets every construction and every subject and object
meets every construction.

A rendering is checked for its form only, as the judge's answers are
written: the verb's Japanese (read from noun.txt's key of "will V", or
the first key of the verb the file has) must be followed, within a few
kana, by the ending of the construction (the judge's MACROS: a negative
after the verb, the modal after it, the passive れる); nothing may read
as "not ..., but" or as a concession, no placeholder or fallback
ellipsis may be left, and a prohibition may not read as a statement. A
verb that has no key at all is counted apart ("unkeyed"): its failure is
its vocabulary's, not its construction's.

Usage: forms_matrix.py [--cli PATH] [--data-dir DIR] [--show N]
       [--construction NAME] [--require PERCENT]
Prints the pass rate by construction, the verbs failing most, and with
--show the first N failing rows of each construction.
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
sys.path.insert(0, HERE)
from dictionaries.english import verb_forms  # noqa: E402
from dictionaries.wordnet import WordNet  # noqa: E402
from judge_sentences import CONCESSIVE, MACROS, NOT_BUT, render  # noqa: E402

KEY_WIDTH = 15
# Ranks of WordNet's verbs that the matrix reads; the band between the two
# is the held-out judge's and is never rendered here.
RANKS = (range(1, 101), range(231, 401))
# Verbs the constructions do not take as a main verb (the auxiliaries).
NOT_MAIN = {"be", "have", "do", "will", "can", "must", "shall", "may"}

SUBJECTS = [("I", "1"), ("he", "3"), ("she", "3"), ("they", "p"),
            ("it", "3"), ("the man", "3")]
OBJECTS = ["", "it", "the letter", "today"]
PASSIVE_TAILS = ["", "yesterday", "by him", "again"]

BE = {"1": "am", "3": "is", "p": "are"}
WAS = {"1": "was", "3": "was", "p": "were"}


def do(person):
    return "does" if person == "3" else "do"


def has(person):
    return "has" if person == "3" else "have"


# Each construction: (English of subject, person, forms, tail; the
# judge's endings that must follow the verb; the checks beyond them).
FORMS = {
    "don't V": (lambda s, p, f: "%s %sn't %s" % (s, do(p), f["base"]),
                ("NEG",), "neg"),
    "didn't V": (lambda s, p, f: "%s didn't %s" % (s, f["base"]),
                 ("NEG",), "neg"),
    "won't V": (lambda s, p, f: "%s won't %s" % (s, f["base"]),
                ("NEG",), "neg"),
    "can't V": (lambda s, p, f: "%s can't %s" % (s, f["base"]),
                ("NEG",), "neg"),
    "couldn't V": (lambda s, p, f: "%s couldn't %s" % (s, f["base"]),
                   ("NEG",), "neg"),
    "never V-ed": (lambda s, p, f: "%s never %s" % (s, f["past"]),
                   ("NEG",), "neg"),
    "haven't V-ed": (lambda s, p, f: "%s %sn't %s" % (s, has(p), f["pp"]),
                     ("NEG",), "neg"),
    "isn't V-ing": (lambda s, p, f: "%s %s not %s" % (s, BE[p], f["ing"]),
                    ("NEG",), "neg"),
    "Don't V!": (lambda s, p, f: "Don't %s" % f["base"],
                 ("PROHIBIT",), "prohibit"),
    "will V": (lambda s, p, f: "%s will %s" % (s, f["base"]),
               ("WILL",), "modal"),
    "would V": (lambda s, p, f: "%s would %s" % (s, f["base"]),
                ("WILL", "MAYBE"), "modal"),
    "can V": (lambda s, p, f: "%s can %s" % (s, f["base"]),
              ("ABLE",), "modal"),
    "could V": (lambda s, p, f: "%s could %s" % (s, f["base"]),
                ("ABLE", "MAYBE"), "modal"),
    "may V": (lambda s, p, f: "%s may %s" % (s, f["base"]),
              ("MAYBE", "PERMIT"), "modal"),
    "might V": (lambda s, p, f: "%s might %s" % (s, f["base"]),
                ("MAYBE",), "modal"),
    "must V": (lambda s, p, f: "%s must %s" % (s, f["base"]),
               ("MUST", "SHOULD", "SURE"), "modal"),
    "should V": (lambda s, p, f: "%s should %s" % (s, f["base"]),
                 ("SHOULD",), "modal"),
    "is V-ed": (lambda s, p, f: "%s %s %s" % (s, BE[p], f["pp"]),
                ("PASS",), "passive"),
    "was V-ed": (lambda s, p, f: "%s %s %s" % (s, WAS[p], f["pp"]),
                 ("PASS",), "passive"),
    "has been V-ed": (lambda s, p, f: "%s %s been %s" % (s, has(p), f["pp"]),
                      ("PASS",), "passive"),
    "will be V-ed": (lambda s, p, f: "%s will be %s" % (s, f["pp"]),
                     ("PASS",), "passive"),
}

ENDINGS = dict(MACROS)
# A prohibition: the negative's te-form (触らないで) or the plain form
# with な (触るな), not a statement that someone does not.
ENDINGS["PROHIBIT"] = ("ないで", "なさるな", "な。", "な！")
# The potential's own stem before its ending: 書け, 食べられ, 勉強でき.
ENDINGS["ABLE"] = tuple(s + e for s in ("え", "け", "げ", "せ", "て", "ね",
                                         "べ", "め", "れ", "られ", "でき",
                                         "出来")
                        for e in MACROS["POT"])
ENDINGS["SURE"] = ("に違いない", "はず")


def form_regex(stem, endings):
    alternatives = sorted({e for name in endings for e in ENDINGS[name]},
                          key=len, reverse=True)
    return re.compile("%s[ぁ-んー]{0,5}?(?:%s)" % (
        re.escape(stem), "|".join(map(re.escape, alternatives))))


def read_noun_file(data_dir):
    keys = {}
    with open(os.path.join(data_dir, "noun.txt"), encoding="cp932") as f:
        for line in f:
            line = line.rstrip("\r\n")
            keys.setdefault(line[:KEY_WIDTH].rstrip(), line[KEY_WIDTH:])
    return keys


# The keys whose renderings together give a verb's Japanese: "will V",
# "doesn't V" and "didn't V" (触るであろう, 触らない, 触らなかった).
STEM_KEYS = ("〓将 ", "〓否 ", "〓昔 ")


def japanese_stem(base, keys):
    """What the verb's keys share before the endings change, without its
    last kana (触るであろう, 触らない → 触; 知っている, 知らない → 知;
    所持する, 所持しない → 所持); "" where that leaves nothing (わかる), and
    None where the verb has no key."""
    values = [keys[m + base].strip() for m in STEM_KEYS if m + base in keys]
    if not values:
        return None
    values = [v[1:] if v.startswith("が") else v for v in values]
    common = os.path.commonprefix(values)
    return re.sub("[ぁ-ん]+$", "", common)


def verbs(wordnet):
    lemmas = [w for w in wordnet.lemmas("v") if w.isalpha()]
    lemmas.sort(key=lambda w: (-wordnet.count(w, "v"), w))
    irregular = wordnet.irregular_by_base("v")
    wanted = []
    for rank, word in enumerate(lemmas, 1):
        if not any(rank in band for band in RANKS):
            continue  # the held-out band, or past the last rank
        if word in NOT_MAIN:
            continue
        forms = verb_forms(word, irregular.get(word, []))
        chosen = {name: spellings[0] for name, spellings in forms.items()
                  if spellings}
        # A participle apart from the past where the verb has one ("come",
        # not "came").
        chosen["pp"] = ([p for p in forms["pp"] if p not in forms["past"]]
                        or forms["pp"])[0]
        wanted.append((word, chosen, wordnet.transitive(word)))
    return wanted


def sentences(verb_list):
    """(construction, verb, English) for every verb and construction, the
    subject and object taken in turn."""
    rows = []
    for i, (word, forms, transitive) in enumerate(verb_list):
        for j, (name, (make, _, kind)) in enumerate(sorted(FORMS.items())):
            if kind == "passive" and not transitive:
                continue  # "is come", "was appeared"
            subject, person = SUBJECTS[(i + j) % len(SUBJECTS)]
            tails = PASSIVE_TAILS if kind == "passive" else OBJECTS
            tail = tails[(i // len(SUBJECTS) + j) % len(tails)]
            english = make(subject, person, forms)
            english = english[0].upper() + english[1:]
            rows.append((name, word, (english + " " + tail).strip() + "."))
    return rows


def problems(kind, rendering, regex):
    """What is wrong with one rendering's form (empty when nothing)."""
    found = []
    if regex is not None and not regex.search(rendering):
        found.append("form")
    if kind in ("neg", "prohibit") and NOT_BUT.search(rendering):
        found.append("not-but")
    if kind == "modal" and CONCESSIVE.search(rendering):
        found.append("concessive")
    if "〓" in rendering or "…" in rendering:
        found.append("left placeholder")
    if kind == "prohibit" and rendering.startswith("が"):
        found.append("statement")
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cli", default=os.path.join(
        HERE, "..", "..", "build", "release", "bin", "mikawase-cli"))
    parser.add_argument("--data-dir", default=os.path.join(HERE, "..", "..",
                                                           "data"))
    parser.add_argument("--show", type=int, default=0)
    parser.add_argument("--construction", action="append")
    parser.add_argument("--require", type=float)
    args = parser.parse_args(argv)
    keys = read_noun_file(args.data_dir)
    rows = sentences(verbs(WordNet()))
    if args.construction:
        rows = [r for r in rows if r[0] in args.construction]
    renderings = render(args.cli, args.data_dir, [r[2] for r in rows])
    by_form, by_verb, failures = {}, {}, {}
    unkeyed = set()
    for (name, word, english), out in zip(rows, renderings):
        stem = japanese_stem(word, keys)
        if stem is None:
            unkeyed.add(word)
            continue
        regex = form_regex(stem, FORMS[name][1]) if stem else None
        wrong = problems(FORMS[name][2], out, regex)
        total, bad = by_form.get(name, (0, 0))
        by_form[name] = (total + 1, bad + bool(wrong))
        if wrong:
            by_verb[word] = by_verb.get(word, 0) + 1
            failures.setdefault(name, []).append((english, out, wrong))
    passed = sum(t - b for t, b in by_form.values())
    judged = sum(t for t, _ in by_form.values())
    print("forms matrix: %d verbs (%d without keys, left out), %d rows, "
          "%d passed (%.1f%%)" % (len({r[1] for r in rows}), len(unkeyed),
                                  judged, passed,
                                  100.0 * passed / max(1, judged)))
    for name in FORMS:
        if name in by_form:
            total, bad = by_form[name]
            print("  %-15s %4d rows  %5.1f%%" % (name, total,
                                                 100.0 * (total - bad) / total))
    worst = sorted(by_verb.items(), key=lambda kv: (-kv[1], kv[0]))[:25]
    print("verbs failing most: " + ", ".join("%s %d" % kv for kv in worst))
    if unkeyed:
        print("without keys: " + ", ".join(sorted(unkeyed)))
    for name in FORMS:
        for english, out, wrong in failures.get(name, [])[:args.show]:
            print("  [%s] %s\n      %s  (%s)" % (name, english, out,
                                                 ", ".join(wrong)))
    share = 100.0 * passed / max(1, judged)
    return 1 if args.require is not None and share < args.require else 0


if __name__ == "__main__":
    sys.exit(main())
