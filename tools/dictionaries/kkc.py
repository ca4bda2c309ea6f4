"""Written frequency of Japanese words, from the unigram table of libkkc's
language model (Debian's libkkc-data, read with python3-marisa). It only
breaks ties among EDICT entries: nothing of the model reaches the files."""

import os
import sys

DEFAULT_DIR = "/usr/lib/x86_64-linux-gnu/libkkc/models/sorted3"
# Log10 probability of a word the model does not know: a little under the
# rarest it does (-5.79).
FREQ_FLOOR = -6.0


class WordFrequency:
    """How often a word is written in running Japanese text, from the
    unigram table of libkkc's language model (Debian's libkkc-data), as
    the log10 probability of the headword with the entry's own reading:
    町 read まち (a town) and 町 read ちょう (mostly the ward in addresses)
    are counted apart, and so are 方 ほう and 方 かた.

    The model is a MARISA trie of "reading/written form" keys, the reading
    in hiragana (data.1gram.index), and, for the key with id N, a 6-byte
    record at offset 6N of data.1gram: a little-endian uint16 cost, then
    the back-off weight and two bytes we do not use. A cost c stands for a
    log10 probability of c * -8 / 65535. A word the model does not know
    gets FREQ_FLOOR, a little under the rarest word it does know."""

    def __init__(self, model_dir):
        marisa = import_marisa()
        trie = marisa.Trie()
        trie.load(os.path.join(model_dir, "data.1gram.index"))
        with open(os.path.join(model_dir, "data.1gram"), "rb") as f:
            records = f.read()
        self.log10 = {}
        agent = marisa.Agent()
        agent.set_query("")
        while trie.predictive_search(agent):
            reading, slash, written = agent.key_str().partition("/")
            offset = 6 * agent.key_id()
            if not slash or offset + 2 > len(records):
                continue  # sentence marks and the like, not words
            cost = int.from_bytes(records[offset:offset + 2], "little")
            self.log10[reading, written] = cost * -8.0 / 65535

    def of(self, headword, reading):
        return self.log10.get((hiragana(reading), headword), FREQ_FLOOR)


def hiragana(kana):
    """Katakana as hiragana (ガール as がーる), as the model spells readings."""
    return "".join(chr(ord(ch) - 0x60) if "\u30a1" <= ch <= "\u30f6" else ch
                   for ch in kana)


def import_marisa():
    """The MARISA trie module of Debian's python3-marisa. It installs into
    the system interpreter's dist-packages, which a Python of the same
    version but another prefix (a virtualenv, pyenv) does not search."""
    try:
        import marisa
    except ImportError:
        debian = "/usr/lib/python3/dist-packages"
        if debian in sys.path or not os.path.isdir(debian):
            raise
        sys.path.append(debian)
        import marisa
    return marisa

