"""Place and person names from ENAMDICT, the proper-name dictionary of the
Electronic Dictionary Research and Development Group, as Debian's
"enamdict" package installs it (/usr/share/edict/enamdict, EUC-JP).

ENAMDICT lists Japanese names, and with them the foreign names that
Japanese writes in katakana, glossed with their English spelling:
ロンドン /(p) London/, ジョン /(g) Jon/John/. Only such katakana entries are
read, since a name written in kanji is a Japanese name that merely
romanises like an English word. The text is lowercased before the
dictionaries run, so every name becomes a lowercase key; which of them may
be a key at all is for the vocabulary to say (a name must not take an
everyday word: "bill", "rose").
"""

import functools
import re

from .kkc import FREQ_FLOOR

DEFAULT_PATH = "/usr/share/edict/enamdict"

# The kinds of name, and how much an entry of each kind costs: places and
# given names are what English text names most; a surname or an entry of
# unclassified kind ("u") is next; the rest (companies, products, works)
# are not read.
KIND_COST = {"p": 0, "st": 1, "g": 0, "m": 0, "f": 0, "s": 1, "u": 2,
             "h": 3}
KATAKANA_NAME_RE = re.compile(r"^[\u30a1-\u30fa\u30fc]+$")
GLOSS_RE = re.compile(r"^[A-Z][a-z]+$")


@functools.lru_cache(maxsize=None)
def name_entries(path=DEFAULT_PATH):
    """ENAMDICT's entries, read once: (line number, headword, kinds,
    English names) for each, the names without their notes."""
    with open(path, "rb") as f:
        lines = f.read().decode("euc_jp", errors="replace").split("\n")
    entries = []
    for number, line in enumerate(lines):
        head, _, body = line.partition(" /")
        m = re.match(r"\(([a-z,]+)\)\s*(.*)", body)
        if not m:
            continue
        names = [re.sub(r"\s*\([^)]*\)", "", g).strip()
                 for g in m.group(2).rstrip("/").split("/")]
        entries.append((number, head.strip(), m.group(1).split(","),
                        names))
    return tuple(entries)


def read_names(path=DEFAULT_PATH):
    """Lowercased English name -> its katakana spellings, cheapest first:
    by the kind of name (KIND_COST), then the position of the name among
    the entry's glosses (ロンドン has London first), then the shorter
    katakana, then the earlier line."""
    best = {}
    for number, head, kinds, names in name_entries(path):
        if not KATAKANA_NAME_RE.match(head):
            continue
        cost = min((KIND_COST[k] for k in kinds if k in KIND_COST),
                   default=None)
        if cost is None:
            continue
        for position, gloss in enumerate(names):
            if not GLOSS_RE.match(gloss):
                continue
            key = gloss.lower()
            best.setdefault(key, {})
            rank = (cost, position, len(head), number)
            if head not in best[key] or rank < best[key][head]:
                best[key][head] = rank
    return {key: sorted(heads, key=heads.get)
            for key, heads in sorted(best.items())}


def choose_name(key, spellings, freedict, freq=None, place=()):
    """The katakana for a name. Given freq and ENAMDICT's spellings of
    the name as a place (read_place_names), the one of those and of
    FreeDict's that Japanese text writes most (libkkc's word
    frequencies): イタリア, not ENAMDICT's shorter イタリー; モスクワ, not
    FreeDict's first, モスコー; ローマ, not ENAMDICT's ロマ. Else the first of
    ENAMDICT's spellings that FreeDict also gives, else FreeDict's first,
    else ENAMDICT's first. FreeDict, written from the English side, gives
    the usual exonym where ENAMDICT's spellings of a foreign name miss it:
    ローマ for "Rome" (ENAMDICT ロマ, ローム), ベトナム for "Vietnam"
    (アンナン), ナポリ for "Naples" (ネープルス)."""
    given = [t for sense in freedict.senses(key, "name") for t in sense
             if KATAKANA_NAME_RE.match(t)] if freedict else []
    if freq is not None and place:
        written = [(freq.of(s, s), s)
                   for s in [s for s in spellings if s in place] + given]
        known = [pair for pair in written if pair[0] > FREQ_FLOOR]
        if known:
            return max(known, key=lambda pair: pair[0])[1]
    for s in spellings:
        if s in given:
            return s
    if given:
        return given[0]
    return spellings[0] if spellings else None


DEMONYM_RE = re.compile(r"^[\u30a1-\u30fa\u30fc]+(?:教)?$")


def demonyms(freedict):
    """Lowercased adjective of a people or place -> its Japanese with の
    (american アメリカの, christian キリスト教の), from FreeDict's
    capitalised adjectives: the shortest of their katakana translations
    that names the place or faith rather than its people or language (人,
    語), since before a noun the place is what Japanese writes."""
    found = {}
    for headword in sorted(freedict.entries):
        if not re.fullmatch(r"[A-Z][a-z]+", headword):
            continue
        spellings = [t for sense in freedict.entries[headword].get("adj", [])
                     for t in sense if DEMONYM_RE.match(t)]
        if spellings:
            found[headword.lower()] = min(spellings, key=len) + "の"
    return found


# ENAMDICT's kinds for people: given names (male, female or either) and
# surnames.
PERSON_KINDS = {"g", "m", "f", "s"}


def read_person_names(path=DEFAULT_PATH):
    """The lowercased English names that ENAMDICT has for a person bearing
    a foreign name, written in katakana: a place that is also such a
    name ("Florence", "Victoria") takes no EDICT proper noun's key. A
    name in kanji is a Japanese name whose romanisation only happens to
    be spelt like a place (ちな "China", 東京 "Tokyo" as a
    surname), and an entry of unclassified kind is no person's name
    (ジャーマニー "Germany"): neither keeps a place from its key."""
    return frozenset(gloss.lower()
                     for _, head, kinds, names in name_entries(path)
                     if set(kinds) & PERSON_KINDS
                     and KATAKANA_NAME_RE.match(head)
                     for gloss in names if GLOSS_RE.match(gloss))


# ENAMDICT's kinds for places: place names and railway stations.
PLACE_KINDS = {"p", "st"}


def read_place_names(path=DEFAULT_PATH):
    """Lowercased English name of a place -> the katakana spellings
    ENAMDICT gives for it as a place (イタリア, イタリー for "italy"): those
    that Japanese text's frequencies may choose among. Not a person's
    spellings, since the one Japanese writes most is often another word:
    シイラ (a fish) for "Sheila". Only a name that some place entry gives
    first is a place's: マルタ is "Malta/Marta/Martha", and "Martha"
    stays マーサ."""
    places, first = {}, set()
    for _, head, kinds, names in name_entries(path):
        if set(kinds) & PLACE_KINDS and KATAKANA_NAME_RE.match(head):
            for position, gloss in enumerate(names):
                if GLOSS_RE.match(gloss):
                    places.setdefault(gloss.lower(), set()).add(head)
                    if position == 0:
                        first.add(gloss.lower())
    return {key: heads for key, heads in places.items() if key in first}
