"""EDICT, the Japanese-English dictionary of the Electronic Dictionary
Research and Development Group, as Debian's "edict" package installs it
(/usr/share/edict/edict, EUC-JP): its entries, their senses and tags, and
the reduction of an English gloss to a dictionary key.

EDICT is a Japanese-to-English list, so the generator reads it backwards:
every gloss of every sense is a possible English key for its entry."""

import re
from dataclasses import dataclass, field

from .exclusions import CALENDAR_NAMES

DEFAULT_PATH = "/usr/share/edict/edict"
KEY_WIDTH = 15

# ---------------------------------------------------------------------------
# EDICT tags
# ---------------------------------------------------------------------------

NOUN_POS = {"n", "n-adv", "n-t", "num"}
ADV_POS = {"adv", "adv-to"}
ADJ_POS = {"adj-i", "adj-ix", "adj-na", "adj-no", "adj-pn", "adj-t",
           "adj-f"}
# Adjective classes whose glosses are English adjectives even when the
# entry can also be used as a noun.
TRUE_ADJ_POS = {"adj-i", "adj-ix", "adj-pn", "adj-t"}
# Adjectival nouns: an adjective where the sense is not also a noun.
ADJ_NOUN_POS = {"adj-na", "adj-no", "adj-f"}
VERB_POS_RE = re.compile(r"^v(?:[0-9a-z]+)?(?:-[a-z]+)*$")
POS_RE = re.compile(
    r"^(?:n|n-adv|n-t|n-suf|n-pref|n-pr|adj-[a-z]+|adv|adv-to|aux|aux-v|"
    r"aux-adj|conj|cop|cop-da|ctr|exp|int|num|pn|pref|prt|suf|unc|"
    r"v[0-9a-z]*(?:-[a-z]+)*)$")

# Markings that make an entry or sense a poor first choice.
BAD_TAGS = {"arch", "obs", "obsc", "rare", "vulg", "derog", "sl", "net-sl",
            "m-sl", "X", "ok", "oK", "iK", "ik", "io", "dated", "hist",
            "joc", "litf", "poet", "chn", "id", "proverb", "yoji",
            "ateji", "gikun", "rK", "sK", "sk", "eK", "ek", "uK", "tradem"}
# Markings that no everyday English word should take as its rendering,
# however few other candidates it has: a derogatory word (醜女 for "homely
# woman", 河原者 for "derelict") would put an insult where the English has
# none.
OFFENSIVE_TAGS = {"derog"}
# Markings of the headword's kanji alone (珈琲 is ateji for コーヒー): they
# say nothing against a rendering written in the reading.
KANJI_SPELLING_TAGS = {"ateji", "gikun", "iK", "oK", "rK", "sK", "eK", "uK"}
# Register markings: a fine word, but one for a particular situation
# (母 "mother" is the humble form one uses of one's own mother).
REGISTER_TAGS = {"hum", "hon", "pol", "fam", "male", "fem", "col", "sens"}
# Mimetic words (ゆっくり "slowly") are everyday Japanese: no penalty.
MISC_TAGS = BAD_TAGS | REGISTER_TAGS | {"uk", "abbr", "on-mim"}
# Fields of application; a sense tagged with one is a specialised meaning.
FIELD_TAGS = {
    "agric", "anat", "archeol", "archit", "art", "astron", "audvid",
    "aviat", "baseb", "biochem", "biol", "bot", "boxing", "Buddh", "bus",
    "cards", "chem", "chmyth", "Christn", "civeng", "cloth", "comp",
    "cryst", "dent", "ecol", "econ", "elec", "electr", "embryo", "engr",
    "ent", "figskt", "film", "finc", "fish", "food", "gardn", "genet",
    "geogr", "geol", "geom", "go", "golf", "gramm", "grmyth", "hanaf",
    "horse", "internet", "jpmyth", "kabuki", "law", "ling", "logic", "MA",
    "mahj", "manga", "math", "mech", "med", "met", "mil", "mining", "motor",
    "music", "myth", "noh", "ornith", "paleo", "pathol", "pharm", "phil",
    "photo", "physics", "physiol", "politics", "print", "prowres", "psy",
    "psyan", "psych", "rail", "rommyth", "Shinto", "shogi", "ski", "sports",
    "stat", "stockm", "sumo", "surg", "telec", "tv", "vet", "vidg", "zool"}
# Notes that illustrate a gloss without narrowing it.
NARROWING_NOTE_RE = re.compile(
    r"^(?:i\.e\.|of|in|on|at|for|as|from|to|with|by|during|between|into|"
    r"one's|someone's|something|somebody)\b|^[a-z]+$")
# English nouns by their ending. "Taru" adjectives that are nouns too are
# often glossed with such nouns (黙然 "muteness; silence", 冷然
# "indifference"), which does not make "silence" an English adjective.
NOUN_SUFFIX_RE = re.compile(r"(?:ness|ence|ance|ity|tion|sion)$")
ADJECTIVE_SUFFIX_RE = re.compile(r"^[a-z]+(?:ful|ous|ive|ical|able|ible|less|ish)$")

GROUP_RE = re.compile(r"\(([^()]*)\)\s*")
NOTE_RE = re.compile(r"\s*\([^()]*\)")
KEY_RE = re.compile(r"[a-z]+(?: [a-z]+)?")
KATAKANA_RE = re.compile(r"^[\u30a0-\u30ff]+$")


@dataclass
class Sense:
    pos: frozenset
    tags: set
    glosses: list = field(default_factory=list)


@dataclass
class Entry:
    line: int
    headword: str
    reading: str
    common: bool
    tags: set
    senses: list


def parse_edict(path):
    """Read EDICT and return its entries in file order."""
    with open(path, "rb") as f:
        data = f.read().decode("euc_jp", errors="replace")
    entries = []
    for number, line in enumerate(data.split("\n"), 1):
        if number == 1 or not line.endswith("/"):
            continue  # the first line is the file's own title entry
        head, _, body = line.partition(" /")
        m = re.fullmatch(r"(\S+)(?: \[(\S+)\])?", head.strip())
        if not m:
            continue
        headword, reading = m.group(1), m.group(2) or m.group(1)
        entry = Entry(number, headword, reading, False, set(), [])
        for fld in body.rstrip("/").split("/"):
            if fld == "(P)":
                entry.common = True
                continue
            if fld.startswith("EntL"):
                continue
            pos, tags, new_sense = set(), set(), False
            while True:
                g = GROUP_RE.match(fld)
                if not g:
                    break
                content = g.group(1)
                tokens = content.split(",")
                if content.isdigit():
                    new_sense = True
                elif all(POS_RE.match(t) for t in tokens):
                    pos.update(tokens)
                elif content in MISC_TAGS or content in FIELD_TAGS \
                        or re.fullmatch(r"[a-z]{3}:", content):
                    tags.add(content)
                else:
                    break
                fld = fld[g.end():]
            if pos or new_sense or not entry.senses:
                if not pos and entry.senses:
                    pos = set(entry.senses[-1].pos)
                if not entry.senses:
                    # Markings before the first sense belong to the entry.
                    entry.tags |= tags & BAD_TAGS
                entry.senses.append(Sense(frozenset(pos), tags))
            else:
                entry.senses[-1].tags |= tags
            entry.senses[-1].glosses.append(fld.strip())
        entries.append(entry)
    return entries


def bare_gloss(gloss, verb):
    """The gloss without its notes, and whether a note narrowed it."""
    narrowed = False
    for note in re.findall(r"\((.*)\)", gloss):
        if re.fullmatch(r"[a-z]{3,5}:", note):
            # The gloss is spelt like the word the loan comes from. Often
            # that is English as well ("button (por:)" for ボタン, "fraud
            # (chi:)"), sometimes not ("fond (fre:)" for フォン, a stock):
            # a candidate, but a narrowed one.
            narrowed = True
        elif NARROWING_NOTE_RE.match(note):
            narrowed = True
    while True:
        stripped = NOTE_RE.sub("", gloss)
        if stripped == gloss:
            break
        gloss = stripped
    text = " ".join(gloss.split())
    if text.startswith("the ") and not verb:
        text = text[4:]  # "the world" is the world
    if verb:
        if not text.startswith("to "):
            return None, narrowed
        text = text[3:]
    return text, narrowed


def proper_key(text):
    """The key for a gloss that is one capitalised word other than a day
    or month ("Europe", "Christianity"), or None: a proper noun, which
    only the vocabulary can tell from a person's name."""
    if re.fullmatch(r"[A-Z][a-z]+", text) and len(text) <= KEY_WIDTH \
            and text.lower() not in CALENDAR_NAMES:
        return text.lower()
    return None


def key_of(text):
    """The dictionary key for a bare gloss, or None if it cannot be one."""
    capital = False
    if text[:1].isupper() and text[1:] == text[1:].lower():
        # Capitalised glosses are names ("Lydia" the ancient kingdom, "Mary"
        # as マリア) that would take over ordinary people in a text; only
        # the days and months are worth their place.
        if text.lower() not in CALENDAR_NAMES:
            return None, False
        text, capital = text.lower(), True
    if len(text) > KEY_WIDTH or not KEY_RE.fullmatch(text):
        return None, False
    if any(len(w) < 2 for w in text.split()):
        return None, False
    return text, capital


def encodable(value):
    """True if the rendering is all JIS X 0208 in code page 932: no ASCII,
    no halfwidth katakana and none of the vendor rows that other Shift_JIS
    readers might decode differently."""
    if not value:
        return False
    try:
        if value.encode("cp932").decode("cp932") != value:
            return False
    except UnicodeError:
        return False
    for ch in value:
        b = ch.encode("cp932")
        if len(b) != 2 or not (0x81 <= b[0] <= 0x84 or 0x88 <= b[0] <= 0x9f
                               or 0xe0 <= b[0] <= 0xea):
            return False
    return True




# Markings of a word that a name must not be mistaken for.
SLANG_TAGS = {"vulg", "derog", "sl", "X"}


def slang_headwords(entries):
    """Headwords of EDICT entries that are vulgar, derogatory or slang in
    every sense: a name spelt like one (Debs as デブス) would read as the
    slang word, so the name is better left to the spelling stage."""
    return {e.headword for e in entries if e.senses and all(
        (e.tags | s.tags) & SLANG_TAGS for s in e.senses)}
