"""Real English from Debian packages, for measuring the vocabulary, in four
kinds, each split once into a tuning part and a held-out part.

  informal   modern informal prose: the fortune cookies of Debian's
             "fortunes" package (/usr/share/games/fortunes)
  literary   a literary text of about 1900: Ambrose Bierce's "The Devil's
             Dictionary" (1881-1906, published 1911), Debian's "dict-devil"
  technical  technical prose: the paragraphs of the "Debian Reference"
             (Osamu Aoki's system administration guide, Debian's
             "debian-reference-en"), without its tables, its command
             examples and the literal names and paths it sets in code
             type, which are no English to render
  novel      a novel with dialogue: Jane Austen's "Northanger Abbey"
             (written 1803, published 1817) as Debian's
             "r-cran-janeaustenr" ships it, read through R; the only
             other Austen novels the vocabulary was not reviewed on are
             left aside

The split is fixed here, before any figure was looked at: the tuning parts
are what the vocabulary may be adjusted to; the held-out parts are only
measured, at the end, and their failures are not looked at while tuning.
Whole files (fortunes), whole runs of entries (Bierce, by the first
letter of the headword) and whole chapters (the manual, the novel) go to
one side, so that no quotation, entry or scene is split between the two.
The technical and novel parts were added, and split, before the
vocabulary was ever measured on them.
"""

import gzip
import html.parser
import os
import re
import subprocess

FORTUNES_DIR = "/usr/share/games/fortunes"
DEVIL_DICT = "/usr/share/dictd/devil.dict.dz"

# Fortune files by theme. Both sides mix jokes, quotations and one-liners.
INFORMAL_TUNING = ("cookie", "computers", "people", "miscellaneous")
INFORMAL_HELD_OUT = ("work", "men-women", "food", "pets", "kids", "love")

# Bierce's entries by the first letter of their headword.
LITERARY_TUNING = "ABCDEFGHIJKL"
LITERARY_HELD_OUT = "MNOPQRSTUVWXYZ"

REFERENCE_DIR = "/usr/share/debian-reference"
JANEAUSTENR = "/usr/lib/R/site-library/janeaustenr"

# The manual's chapters by number, every other one to each side, so that
# both hold tutorials, package management, networking and data alike.
TECHNICAL_TUNING = (1, 3, 5, 7, 9, 11)
TECHNICAL_HELD_OUT = (2, 4, 6, 8, 10, 12)

# The novel's chapters by number (31 in all), likewise alternating.
NOVEL_TUNING = tuple(range(1, 32, 2))
NOVEL_HELD_OUT = tuple(range(2, 32, 2))

CORPORA = ("informal-tuning", "informal-held-out", "literary-tuning",
           "literary-held-out", "technical-tuning", "technical-held-out",
           "novel-tuning", "novel-held-out")

# Where each kind comes from, for the messages of tools that need them.
PACKAGES = {"informal": "fortunes", "literary": "dict-devil",
            "technical": "debian-reference-en",
            "novel": "r-cran-janeaustenr"}


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


class _Paragraphs(html.parser.HTMLParser):
    """The text of a DocBook HTML page's paragraphs (<p>), leaving out
    whatever stands in tables, examples (<pre>), code type (<code>) and the
    navigation and contents blocks."""

    SKIPPED = {"table", "pre", "code", "script", "style"}
    SKIPPED_DIVS = {"toc", "navheader", "navfooter", "list-of-tables",
                    "list-of-figures"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.paragraphs = []
        self._current = None
        self._skipping = 0
        self._divs = []

    def handle_starttag(self, tag, attrs):
        if tag == "div":
            skipped = dict(attrs).get("class") in self.SKIPPED_DIVS
            self._divs.append(skipped)
            self._skipping += skipped
        elif tag in self.SKIPPED:
            self._skipping += 1
        elif tag == "p" and self._current is None:
            self._current = []

    def handle_endtag(self, tag):
        if tag == "div" and self._divs:
            self._skipping -= self._divs.pop()
        elif tag in self.SKIPPED:
            self._skipping -= 1
        elif tag == "p" and self._current is not None:
            text = " ".join("".join(self._current).split())
            if text:
                self.paragraphs.append(text)
            self._current = None

    def handle_data(self, data):
        if self._current is not None and not self._skipping:
            self._current.append(data)


def reference_manual(chapters):
    """The paragraphs of the Debian Reference's numbered chapters, one
    paragraph a line."""
    paragraphs = []
    for number in chapters:
        parser = _Paragraphs()
        path = os.path.join(REFERENCE_DIR, "ch%02d.en.html" % number)
        with open(path, encoding="utf-8") as f:
            parser.feed(f.read())
        parser.close()
        paragraphs.extend(parser.paragraphs)
    return "\n\n".join(paragraphs)


CHAPTER_RE = re.compile(r"^CHAPTER (\d+)$", re.M)


def chapters_of(text, numbers):
    """The chapters of a book with the given numbers, without their
    headings ("CHAPTER 7" alone on a line); what stands before the first
    is left out."""
    starts = list(CHAPTER_RE.finditer(text))
    pieces = []
    for i, m in enumerate(starts):
        end = starts[i + 1].start() if i + 1 < len(starts) else len(text)
        if int(m.group(1)) in numbers:
            pieces.append(text[m.end():end].strip())
    return "\n\n".join(pieces)


def northanger_abbey(numbers):
    """The numbered chapters of the novel (the author's advertisement
    before the first is left out). R's janeaustenr holds the text as a
    vector of lines."""
    text = subprocess.run(
        ["Rscript", "-e", "library(janeaustenr);"
         "writeLines(northangerabbey, useBytes = TRUE)"],
        capture_output=True, check=True).stdout.decode("utf-8", "replace")
    return chapters_of(text, numbers)


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
    if corpus == "technical-tuning":
        return reference_manual(TECHNICAL_TUNING)
    if corpus == "technical-held-out":
        return reference_manual(TECHNICAL_HELD_OUT)
    if corpus == "novel-tuning":
        return northanger_abbey(NOVEL_TUNING)
    if corpus == "novel-held-out":
        return northanger_abbey(NOVEL_HELD_OUT)
    raise ValueError("unknown corpus %r" % corpus)


# What each kind's package installs, to tell whether it is there.
SOURCES = {"informal": FORTUNES_DIR, "literary": DEVIL_DICT,
           "technical": os.path.join(REFERENCE_DIR, "ch01.en.html"),
           "novel": JANEAUSTENR}


def available(corpus):
    return os.path.exists(SOURCES[corpus.split("-")[0]])
