"""Real English from Debian packages, for measuring the vocabulary, in two
kinds, each split once into a tuning part and a held-out part.

  informal   modern informal prose: the fortune cookies of Debian's
             "fortunes" package (/usr/share/games/fortunes)
  literary   a literary text of about 1900: Ambrose Bierce's "The Devil's
             Dictionary" (1881-1906, published 1911), Debian's "dict-devil"

The split is fixed here, before any figure was looked at: the tuning parts
are what the vocabulary may be adjusted to; the held-out parts are only
measured, at the end, and their failures are not looked at while tuning.
Whole files (fortunes) and whole runs of entries (Bierce, by the first
letter of the headword) go to one side, so that no quotation or entry is
split between the two.
"""

import gzip
import os
import re

FORTUNES_DIR = "/usr/share/games/fortunes"
DEVIL_DICT = "/usr/share/dictd/devil.dict.dz"

# Fortune files by theme. Both sides mix jokes, quotations and one-liners.
INFORMAL_TUNING = ("cookie", "computers", "people", "miscellaneous")
INFORMAL_HELD_OUT = ("work", "men-women", "food", "pets", "kids", "love")

# Bierce's entries by the first letter of their headword.
LITERARY_TUNING = "ABCDEFGHIJKL"
LITERARY_HELD_OUT = "MNOPQRSTUVWXYZ"

CORPORA = ("informal-tuning", "informal-held-out", "literary-tuning",
           "literary-held-out")

# Where each kind comes from, for the messages of tools that need them.
PACKAGES = {"informal": "fortunes", "literary": "dict-devil"}


def fortunes(names):
    """The cookies of the named fortune files, without their attribution
    lines ("-- Mark Twain"), which are names rather than prose."""
    parts = []
    for name in names:
        with open(os.path.join(FORTUNES_DIR, name), encoding="utf-8",
                  errors="replace") as f:
            text = f.read()
        for cookie in text.split("\n%\n"):
            lines = [ln for ln in cookie.split("\n")
                     if not re.match(r"^\s*--\s", ln)]
            parts.append("\n".join(lines).strip())
    return "\n\n".join(p for p in parts if p)


ENTRY_RE = re.compile(r"^([A-Z][A-Z'-]*(?: [A-Z][A-Z'-]*)*), [a-z]", re.M)


def devil(letters):
    """Bierce's entries whose headword begins with one of the letters.
    The dictd file holds the whole book as one text after its own header
    entries; an entry starts with its headword in capitals, a comma and
    its part of speech ("LORD, n.")."""
    with gzip.open(DEVIL_DICT) as f:
        text = f.read().decode("utf-8", errors="replace")
    starts = [m for m in ENTRY_RE.finditer(text)]
    pieces = []
    for i, m in enumerate(starts):
        end = starts[i + 1].start() if i + 1 < len(starts) else len(text)
        if m.group(1)[0] in letters:
            pieces.append(text[m.start():end].strip())
    return "\n\n".join(pieces)


def text_of(corpus):
    """The text of one of CORPORA."""
    if corpus == "informal-tuning":
        return fortunes(INFORMAL_TUNING)
    if corpus == "informal-held-out":
        return fortunes(INFORMAL_HELD_OUT)
    if corpus == "literary-tuning":
        return devil(LITERARY_TUNING)
    if corpus == "literary-held-out":
        return devil(LITERARY_HELD_OUT)
    raise ValueError("unknown corpus %r" % corpus)


def available(corpus):
    kind = corpus.split("-")[0]
    path = FORTUNES_DIR if kind == "informal" else DEVIL_DICT
    return os.path.exists(path)
