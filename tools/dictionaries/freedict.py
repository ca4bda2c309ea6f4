"""FreeDict's English-Japanese dictionary (built from Wiktionary), as
Debian's "dict-freedict-eng-jpn" installs it: a dictd database, an index of
headwords and a dictzip (gzip-compatible) body.

Unlike EDICT it is written from the English side: each English headword
has its parts of speech and, for each, its senses in the order the
Wiktionary editors put them, every sense with its Japanese translations
in order. It is smaller and noisier than EDICT (some translations lose a
character, some senses run together), so it never supplies a rendering of
its own here: it tells which of EDICT's candidates an English-first
dictionary puts first.
"""

import gzip
import os
import re

DEFAULT_DIR = "/usr/share/dictd"
NAME = "freedict-eng-jpn"

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
HEAD_RE = re.compile(r"^(.+?)\s+(?:/[^/]*/\s*|//[^/]*//\s*)*<([^>]+)>\s*$")
JAPANESE_RE = re.compile(r"[\u3040-\u30ff\u4e00-\u9fff]")
# Where a translation holds a marker of its own ("…に", "～的") or a note
# in brackets, only the word is compared.
TRIM_RE = re.compile(r"[…～〜]|（[^）]*）|\([^)]*\)")

# FreeDict's part-of-speech names, as the generator's roles.
POS_ROLES = {"n": "noun", "v": "verb", "adj": "adj", "adv": "adv",
             "pn": "name", "preposition": "prep", "pronoun": "pron",
             "numeral": "num", "conjunction": "conj",
             "interjection": "int", "article": "art",
             "determiner": "det"}


def decode(number):
    n = 0
    for ch in number:
        n = n * 64 + B64.index(ch)
    return n


class FreeDict:
    """English headword -> {role: [[translation, ...] per sense]}."""

    def __init__(self, folder=DEFAULT_DIR):
        with gzip.open(os.path.join(folder, NAME + ".dict.dz")) as f:
            body = f.read()
        self.entries = {}
        with open(os.path.join(folder, NAME + ".index"),
                  encoding="utf-8") as f:
            for line in f:
                word, offset, length = line.rstrip("\n").split("\t")
                if word.startswith("00database"):
                    continue
                text = body[decode(offset):decode(offset) + decode(length)]
                self._add(text.decode("utf-8", errors="replace"))

    def _add(self, text):
        lines = text.split("\n")
        m = HEAD_RE.match(lines[0])
        if not m:
            return
        headword, pos = m.group(1), m.group(2)
        role = POS_ROLES.get(pos.split()[0].rstrip("."), pos)
        senses = []
        for line in lines[1:]:
            if not JAPANESE_RE.search(line):
                continue  # an English definition, or a blank
            line = re.sub(r"^\s*\d+\.\s*", "", line)
            line = re.sub(r"\s+\d+\.\s*$", "", line)
            words = [TRIM_RE.sub("", t).strip() for t in line.split(",")]
            senses.append([w for w in words if w])
        if senses:
            byrole = self.entries.setdefault(headword, {})
            byrole.setdefault(role, []).extend(senses)

    def senses(self, english, role):
        """The translations of a word in a role, sense by sense; names are
        looked up with a capital as FreeDict writes them."""
        if role == "name":
            english = english[:1].upper() + english[1:]
        return self.entries.get(english, {}).get(role, [])

    def rank(self, english, role, japanese):
        """Where the word puts a Japanese translation: (sense, position),
        both from 0, or None when it does not give it."""
        for si, sense in enumerate(self.senses(english, role)):
            for ti, t in enumerate(sense):
                if t == japanese:
                    return si, ti
        return None
