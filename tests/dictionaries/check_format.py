#!/usr/bin/env python3
"""Check the shipped dictionaries against the rules the program relies on.

The program reads each line as a 15-character key and a value, applies the
lines in order, and lets every line see what the earlier ones left. These
checks catch a hand edit or a generator change that would break that:
wrong encoding or line ends, short lines, duplicate keys, a noun value that
a later key could match, a two-word key placed after the single word that
would take it, a key that holds a phrase of the built-in phrase table, or a
rome.txt that lets Latin letters through.
Usage: check_format.py [DATA_DIR]; exit 0 when all hold, 1 otherwise.
"""
import itertools
import os
import re
import string
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from dictionaries import exclusions  # noqa: E402
PLURAL_MARKER = "％１０００"
# A lowercase word; it may hold an apostrophe ("you're", "'tis").
WORD = r"'?[a-z]+(?:'[a-z]+)?"
# A placeholder that an auxiliary or an idiom's head leaves for the lines
# after it: 〓 and one kanji, alone (its fallback) or before words.
PLACEHOLDER = "\u3013[\u4e00-\u9fff]"
# A key is words apart by single spaces, as the dictionaries meet the
# text: lowercase words, the の that "'s " has become ("it の"), the
# plural marker after a word in "s" ("does ％１０００ not"), a
# placeholder, a mark the punctuation stage spaced off ("、 which", a
# relative clause after a comma), or what a built-in table wrote before
# the dictionaries run: a capital "I" is 私 ("may 私"), also as the last
# letter of a word in capitals ("GUI " is "gu私"), "should not"
# がすべきでないことは, "want to" がしたい事 ("speak 日本人").
TOKEN = r"(?:%s|の|%s|%s|[a-z]+私|[。？！、]|[\u3040-\u309f\u4e00-\u9fff]+)" % (
    WORD, PLURAL_MARKER, PLACEHOLDER)
KEY_RE = re.compile(r"%s(?: %s)*" % (TOKEN, TOKEN))
# A placeholder in a value, which a later line may read.
PLACEHOLDER_IN_VALUE = re.compile(PLACEHOLDER)

problems = []

# The words of keys that are Japanese (what a built-in table or an earlier
# line wrote), filled from the files read: a value must not end in one
# after a space, or a later key would read into it.
KEY_JAPANESE = set()


def fail(message):
    problems.append(message)


def read(path):
    """The (key, value) lines of a dictionary, checking its framing."""
    name = os.path.basename(path)
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError as e:
        fail("%s: not code page 932: %s" % (name, e))
        return []
    if text and not text.endswith("\r\n"):
        fail("%s: last line has no CR LF" % name)
    rules, seen = [], set()
    for number, line in enumerate(text.split("\r\n")[:-1], 1):
        where = "%s:%d" % (name, number)
        if "\r" in line or "\n" in line:
            fail("%s: bare CR or LF" % where)
        if len(line) < 15:
            fail("%s: shorter than 15 characters: %r" % (where, line))
            continue
        key, value = line[:15].rstrip(" "), line[15:]
        if key in seen:
            fail("%s: duplicate key %r" % (where, key))
        seen.add(key)
        rules.append((key, value))
    return rules


# The built-in phrase table's patterns (it runs before the dictionaries and
# matches inside longer text): a key holding one can never match. The
# generator keeps the one copy of the table, to leave such keys out.
PHRASES = exclusions.PHRASE_TABLE


def check_word_file(name, rules):
    for key, value in rules:
        for phrase in PHRASES:
            if phrase in key:
                fail("%s: key %r holds the built-in phrase %r and can never "
                     "match" % (name, key, phrase))
        if not KEY_RE.fullmatch(key):
            fail("%s: key %r is not lowercase words apart by spaces"
                 % (name, key))
        # A space may stand only before a placeholder that a later line
        # reads ("私は 〓将" for "i'll"), or after one that opens the value
        # for a verb before it ("〓弾 そのピアノ" for "the piano", which
        # "played 〓弾" reads) when what follows is no word of a key.
        leading = re.match(r"(%s) (\S+)$" % PLACEHOLDER, value)
        if leading and leading.group(2) in KEY_JAPANESE:
            fail("%s: value %r of %r ends in a word a key reads"
                 % (name, value, key))
        if leading:
            value = leading.group(2)
        if re.search(r"[A-Za-z]| (?!%s$)" % PLACEHOLDER, value):
            # A later key could match Latin letters or spaces in a value.
            # (An empty value is a word deleted, as the copulas are.)
            fail("%s: value %r of %r has Latin letters or spaces"
                 % (name, value, key))


def check_noun_order(rules):
    position = {key: i for i, (key, _) in enumerate(rules)}
    for i, (key, _) in enumerate(rules):
        if " " not in key:
            continue
        words = key.split()
        for word, after in zip(words, words[1:]):
            if word.endswith("s") and after != PLURAL_MARKER:
                fail("noun.txt: %r can never match: the plural marker "
                     "follows %r" % (key, word))
        for word in words:
            if word == PLURAL_MARKER:
                continue
            for form in (word, word + "s"):
                if position.get(form, len(rules)) < i:
                    fail("noun.txt: %r comes after %r, which takes its "
                         "word first" % (key, form))


def check_placeholders(rules):
    """A placeholder must be made by an earlier line before a line reads it
    with a word, and be taken back by its own line (its fallback) after
    every such line: one left over would show in the rendering."""
    made, fallback = {}, {}
    for i, (key, value) in enumerate(rules):
        for p in PLACEHOLDER_IN_VALUE.findall(value):
            made.setdefault(p, i)
        if re.fullmatch(PLACEHOLDER, key):
            fallback[key] = i
    for i, (key, _) in enumerate(rules):
        m = re.match(PLACEHOLDER + " ", key)
        if not m:
            continue
        p = key[:2]
        if made.get(p, len(rules)) > i:
            fail("noun.txt: %r comes before any line makes %s" % (key, p))
        if fallback.get(p, -1) < i:
            fail("noun.txt: %r comes after the fallback of %s, or %s has "
                 "none" % (key, p, p))
    for p in sorted(made):
        if p not in fallback:
            fail("noun.txt: the placeholder %s has no fallback line" % p)


def apply_substrings(text, rules):
    for key, value in rules:
        if key:
            text = text.replace(key, value)
    return text


def check_rome(rules):
    if not rules or rules[0] != ("s " + PLURAL_MARKER, PLURAL_MARKER):
        fail("rome.txt: the first line must drop the s before the plural "
             "marker")
    last = {key: i for i, (key, _) in enumerate(rules)}
    for letter in string.ascii_lowercase:
        if letter not in last:
            fail("rome.txt: no rule for the letter %r" % letter)
    for i, (key, value) in enumerate(rules):
        for letter in set(re.findall(r"[a-z]", value)):
            if last.get(letter, -1) <= i:
                fail("rome.txt: %r leaves %r that no later rule takes"
                     % (key, letter))
        if re.search(r"[A-Z]", value):
            fail("rome.txt: %r brings in a capital letter" % key)
    # Every spelling of up to three letters, as a word and inside one,
    # must come out without a Latin letter.
    words = ["".join(p) for n in (1, 2, 3)
             for p in itertools.product(string.ascii_lowercase, repeat=n)]
    text = " " + " ".join(words) + " " + "".join(words) + " "
    left = set(re.findall(r"[a-z]+", apply_substrings(text, rules)))
    if left:
        fail("rome.txt: Latin letters survive: %s" % sorted(left)[:10])
    plural = apply_substrings(" pens " + PLURAL_MARKER + " ", rules)
    if plural.replace(PLURAL_MARKER, "").rstrip().endswith("ス"):
        fail("rome.txt: an untranslated plural (pens) ends in ス")


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.join(HERE, "..", "..", "data")
    nouns = read(os.path.join(data, "noun.txt"))
    adjectives = read(os.path.join(data, "adjective.txt"))
    rome = read(os.path.join(data, "rome.txt"))
    KEY_JAPANESE.update(
        word for key, _ in nouns + adjectives for word in key.split()
        if re.search("[\u3040-\u30ff\u4e00-\u9fff]", word)
        and not re.fullmatch(PLACEHOLDER, word))
    check_word_file("noun.txt", nouns)
    check_word_file("adjective.txt", adjectives)
    check_noun_order(nouns)
    check_placeholders(nouns)
    for key in sorted({k for k, _ in nouns} & {k for k, _ in adjectives}):
        fail("%r is in both noun.txt and adjective.txt" % key)
    check_rome(rome)
    for p in problems[:40]:
        print(p)
    print("%d problems in %d noun, %d adjective and %d rome lines"
          % (len(problems), len(nouns), len(adjectives), len(rome)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
