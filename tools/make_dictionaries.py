#!/usr/bin/env python3
"""Generate the shipped dictionaries data/noun.txt, data/adjective.txt and
data/rome.txt.

noun.txt and adjective.txt are derived from EDICT, the Japanese-English
dictionary of the Electronic Dictionary Research and Development Group, as
Debian's "edict" package installs it (/usr/share/edict/edict, EUC-JP).
rome.txt does not depend on EDICT: it is written out from the hand-made
table in tools/dictionaries/rome_rules.py.

Which of several EDICT entries becomes a word's rendering is also weighed by
how often each is written in Japanese text, taken from the unigram table of
libkkc's language model (Debian's libkkc-data, read with python3-marisa).
Only choices among EDICT entries are influenced; no text of libkkc's ends
up in the files.

The same EDICT and language model always give byte-identical files:
nothing here depends on dictionary iteration order, hashing, the locale or
the clock.

Usage:
    tools/make_dictionaries.py [--edict PATH] [--kkc DIR | --no-kkc]
                               [--out-dir DIR]

How an English key gets its Japanese
------------------------------------
EDICT is a Japanese-to-English list, so it is read backwards. Every gloss
of every sense of every entry is reduced to a bare English form: the
parenthesised notes are removed ("cat (esp. the domestic cat)" gives
"cat"), a leading "the " goes, and "to " is removed from verb glosses. A
gloss that is then one or two lowercase words of at most 15 characters is
a candidate key, and the entry is a candidate rendering of it. A gloss in
the plural ("sisters" for 姉妹) is also offered to the singular key.

Each candidate gets a penalty score; the lowest wins. The terms follow what
a learner's dictionary puts first:

    +4    the entry is not marked common "(P)"
    +2    for every sense before the one that holds the gloss
          (the first sense is the word's main meaning)
    +1    for every gloss before it within its sense
    +2    a restricting note, such as "(of alphabet)" or "(i.e. not
          heavy)"; "(esp. ...)" and "(e.g. ...)" only illustrate and
          cost nothing
    +3    the headword is in katakana: a native word is preferred over a
          loanword wherever one is common enough to compete
    +6    archaic, obsolete, rare, slang, vulgar, derogatory or
          irregular-spelling markings
    +1    a register marking (humble, honorific, colloquial, ...), or a
          form of address such as 母さん
    +2    a specialised field (baseball, mathematics, sumo, ...)
    +2    an abbreviation
    +1    mostly a part of compounds (noun suffix or prefix)
    +1    the kana spelling of a word that also has a kanji form ("(uk)")
    +1    the gloss is the plural of the key
    +1    the gloss was a capitalised day or month name
    +0.25 for every character of the rendering (shorter headwords first)

EDICT's one "common" mark leaves many ties among everyday words (手紙 and
文 are both common, first-gloss "letter"), so two more signals, taken from
EDICT itself, are weighed for the candidates within SUPPORT_WINDOW points
of the best:

    compound support: how many EDICT words are built on the headword, with
        its reading in the same place, and still carry the English word
        in their glosses (本 in 本棚 "bookshelf", 絵本 "picture book",
        ...). A word that compounds freely in its sense is the everyday
        word for it. SUPPORT_WEIGHT points per doubling of the count
        (SUPPORT_WEIGHT_SINGLE for one-kanji headwords, whose count is
        muddied by their use as bound morphemes), at most SUPPORT_CAP.
    free use: how many EDICT expressions use the headword as a free word,
        followed by a particle (目 in 目が高い). FREE_WEIGHT points per
        doubling, at most FREE_CAP.

Among the candidates left within FREQ_WINDOW points of the best after
these bonuses, the word's frequency in running text decides: each loses
FREQ_WEIGHT points per factor of ten by which its headword, with the
entry's reading, is rarer in libkkc's unigram model than the most frequent
of them (at most FREQ_CAP). Counting by reading tells 町 [まち] "town" from
the address ward 町 [ちょう]. Only nouns are weighed so, since the model
counts inflected words by their stems. The window is narrow because the
count is of the word in all its senses: 夜 "evening; night" is more
frequent than 晩, but is not the word for "evening". On 100 held-out
common nouns this raised agreement with learners' dictionaries from 72 to
76; on the 200 nouns the other weights were tuned on it cost 2.

Ties are then broken by the rendering, its reading and its line in EDICT.

The rendering is the headword, or its kana reading where the sense is
marked "(uk)" (usually written in kana). In adjective.txt an adjectival
noun takes the particle it needs before a noun: "quiet" is 静かな, "wooden"
is 木製の.

Which file a key goes to, and which keys are left out
----------------------------------------------------
A candidate is a noun candidate if its sense is tagged as a noun or
number, and an adjective candidate if its sense is a true adjective
(adj-i, adj-na without noun use, ...), or an adjectival noun glossed with
an English adjective (one that some true adjective is glossed with, or one
with an adjective's ending). A word with a noun's ending ("-ness",
"-ence", "-ity", ...) is never taken for an English adjective, though a
"taru" adjective may be glossed with it (黙然 "muteness; silence"). A key whose best adjective candidate scores
within ADJECTIVE_MARGIN points of its best noun candidate goes to
adjective.txt, otherwise to noun.txt; no key is in both.

Left out are:
  * the words of the program's built-in tables, function words of every
    kind, misleading adverbs and irregular past tenses (the lists are
    below as data, each with the reason it exists);
  * keys whose English word is far more often a verb: its best verb sense
    ("to walk") scores at least VERB_MARGIN better than its best noun or
    adjective sense;
  * "-ing" and "-ed" forms of verbs, unless their noun or adjective reading
    is a strong one, a common entry glossed with the word in its first
    sense (meeting 会議, wedding 結婚式), and never from a verbal noun
    (拝見 "seeing");
  * "-ly" adverbs of adjectives, unless EDICT has an adverb for them;
  * plural glosses whose singular is a key, since the singular's line
    covers them, apart from plurals with a meaning of their own;
  * keys whose best candidate scores above MAX_SCORE, and two-word keys
    from uncommon entries.

Layout of the files
-------------------
Fixed columns, one rule a line: the key left-aligned in characters 1 to 15
and filled with spaces, the Japanese from character 16 on. Code page 932,
CR LF line ends. The dictionaries are applied line by line, so in noun.txt
two-word keys ("ice cream") come first, before the single words they
contain would be replaced; then lexicalised plurals that differ in meaning
from their singular ("glasses" is not only more than one glass); then all
single words in alphabetical order. A noun line also matches the key with
"s" added, so extra lines are written only for plurals that do not end in
a bare "s" (cities, boxes, knives, children, feet, ...).
"""

import argparse
import math
import os
import re
import sys
from dataclasses import dataclass, field

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "dictionaries"))
import rome_rules  # noqa: E402  (lives beside this script)

DEFAULT_EDICT = "/usr/share/edict/edict"
DEFAULT_KKC = "/usr/lib/x86_64-linux-gnu/libkkc/models/sorted3"
DEFAULT_OUT = os.path.join(os.path.dirname(HERE), "data")
KEY_WIDTH = 15

# ---------------------------------------------------------------------------
# Exclusions. Every word below is kept out of noun.txt and adjective.txt.
# ---------------------------------------------------------------------------

# Every word of the built-in tables (capitalised names, phrases and the
# words inside them, joiners, the word table), lowercased. The word table
# runs after the dictionaries, so a dictionary key for one of these would
# replace the word before the built-in rule could render it.
BUILT_IN_WORDS = """
    i and alice aristotle america asia britain china chinese english hawaii
    japanese japan korea swiss june saturday u s mt what
    not m we re
    this is the reason why came to an end fell in love with have a sweet
    tooth has tell truth was hard on should there were at first least by
    halves each other good bye for instance subject more than of course
    fire post office from come get gets had reffer went out want wants
    looking
    especially everywhere contained actually recently suddenly adopted
    central however studded called melted please every heard hello learn
    sleep speak their these think today where best draw hate help know like
    lived mean most much need once said show some that they then tell told
    tons your very add any ate but die eat her his how now our saw say see
    you who won do go he if it me my or are am did
"""

# Pronouns, determiners, numbers used as pronouns, prepositions,
# conjunctions, modal and auxiliary verbs. None of them is ever the noun
# that EDICT happens to gloss with the same spelling ("can", "will",
# "might", "may", "must").
FUNCTION_WORDS = """
    me mine myself you yours yourself yourselves him himself she hers
    herself its itself us ours ourselves them theirs themselves one oneself
    whom whose which whoever whomever whatever whichever
    anyone anybody anything everyone everybody everything someone somebody
    something nobody nothing none
    those either neither others another all both few many several such own
    same enough less little
    about above across after against along amid amidst among amongst around
    as before behind below beneath beside besides between beyond despite
    down during except inside into near off onto outside over past per
    round since through throughout till toward towards under underneath
    until unto up upon via within without concerning regarding
    or nor so yet because although though while whilst whereas unless when
    whenever wherever whether lest
    be been being having does doing done will would shall can could may
    might must ought dare used cannot
"""

# Adverbs, particles and interjections whose noun homograph in EDICT would
# mislead far more often than help: "well" (a water well), "still" (a
# distillery still), "down" (feathers), "back" (of the body) are in running
# text nearly always the adverb.
ADVERBS_AND_PARTICLES = """
    never too also just only even still already always often sometimes
    ever again soon here therefore thus hence quite rather almost perhaps
    indeed really yes no oh ah alas well back away forth together ago else
    instead otherwise anyway somewhat nay pray sir madam mr mrs miss
"""

# Past tenses and participles of irregular verbs. EDICT has unrelated nouns
# with some of these spellings ("felt" the cloth, "spoke" of a wheel,
# "rose" the flower, "left" the side), but in text they are verbs.
IRREGULAR_VERB_FORMS = """
    left felt spoke rose found bound lay led bore sat set meant sent spent
    kept held stood understood took drew grew knew threw flew blew drove
    rode wrote chose broke gave came became began ran got made paid laid
    went seen known shown given taken written risen chosen spoken broken
    fallen worn torn born borne bought brought caught fought sought
    taught sold struck hung shook stole bit hit cut put shut let lit met fed
    fled swept wept slept lost won sank sang rang swung stuck dealt
    lent bent built forgot forgotten hidden
"""

# Spellings that the program's built-in katakana rules treat as endings,
# or that no reader would want as a noun; kept here so the reason is seen.
MISC_EXCLUDED = """
    ing ed er ly th
"""


# Capitalised glosses that are kept. "May", "March" and "August" are left
# out: lowercased they are a modal, a verb and an adjective; "June" and
# "Saturday" are built in.
CALENDAR_NAMES = set("""
    monday tuesday wednesday thursday friday sunday january february april
    july september october november december
""".split())

# Numbers are nouns in EDICT (二 "two"), but many are also glossed with
# counter words as adjectives (四本 "four long things"); the plain numeral
# is what a text needs.
NUMBER_WORDS = set("""
    two three four five six seven eight nine ten eleven twelve thirteen
    fourteen fifteen sixteen seventeen eighteen nineteen twenty thirty forty
    fifty sixty seventy eighty ninety hundred thousand million billion
""".split())

# Plurals with a meaning of their own, kept as keys although their singular
# is a key too; any other plural gloss ("minutes" for 記録, "months" for
# 烏兎) is left to the singular's plural rule.
LEXICAL_PLURALS = set("""
    manners stairs means glasses spectacles goods customs savings scissors
    trousers surroundings belongings thanks congratulations remains premises
    headquarters clothes riches
""".split())


def _words(text):
    return sorted(set(text.split()))


BUILT_IN = set(_words(BUILT_IN_WORDS))
EXCLUDED = set(_words(BUILT_IN_WORDS)) | set(_words(FUNCTION_WORDS)) \
    | set(_words(ADVERBS_AND_PARTICLES)) | set(_words(IRREGULAR_VERB_FORMS)) \
    | set(_words(MISC_EXCLUDED))

# A key is dropped when its best verb reading beats its best noun or
# adjective reading by at least this many penalty points.
VERB_MARGIN = 0.5

# A key goes to adjective.txt when its best adjective candidate scores no
# more than this above its best noun candidate.
ADJECTIVE_MARGIN = 2.0

# A key whose best candidate scores above MAX_SCORE (before compound
# support) is left out: what is left are rare, archaic or slang readings.
MAX_SCORE = 8.0

# An "-ing" or "-ed" form of a verb stays a key only when its noun or
# adjective reading scores this well, leaving out the rendering's length: a
# common entry, the first sense, at most one gloss before it, no narrowing
# note. 結婚式 "marriage ceremony; wedding" is the noun "wedding" in its own
# right, however long the word; with the length counted it was not.
STRONG = 1.0

# Compound support (see CompoundSupport) is weighed for candidates within
# SUPPORT_WINDOW points of the best, as SUPPORT_WEIGHT points per doubling
# of the count, at most SUPPORT_CAP points.
SUPPORT_WINDOW = 5.0
SUPPORT_WEIGHT = 0.75
SUPPORT_CAP = 5.0
SUPPORT_WEIGHT_SINGLE = 0.25
FREE_WEIGHT = 0.25
FREE_CAP = 2.0

# The written frequency of a headword (see WordFrequency) decides among the
# candidates within FREQ_WINDOW points of the best after compound support and
# free use: FREQ_WEIGHT points per factor of ten below the most frequent of
# them, at most FREQ_CAP points. A wider window lets a frequent word with
# another main sense (夜 "evening; night" for "evening", 愛 for "affection")
# push out the word for the sense; on the held-out nouns 2 points did best.
FREQ_WEIGHT = 2.0
FREQ_CAP = 3.0
FREQ_WINDOW = 2.0
# Log10 probability of a word the model does not know: a little under the
# rarest it does (-5.79).
FREQ_FLOOR = -6.0

KATAKANA_PENALTY = 3.0
LENGTH_WEIGHT = 0.25
SENSE_STEP = 2.0
GLOSS_STEP = 1.0

# An adjectival noun rendered as an adjective (大型の "large") costs this
# much more than a true adjective (大きい), which is the plainer word.
MIXED_PENALTY = 1.5

# A candidate whose gloss is the plural of the key ("sisters" for
# "sister") costs this much more than one glossed in the singular.
PLURAL_GLOSS_PENALTY = 1.0

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
    """The gloss without its notes, and whether a note narrowed it. A
    gloss that is the source word of a loan is no English gloss at all:
    フォン is glossed "fond (fre:)"."""
    narrowed = False
    for note in re.findall(r"\((.*)\)", gloss):
        if re.fullmatch(r"[a-z]{3,5}:", note):
            return None, False  # the gloss is the foreign word itself
        if NARROWING_NOTE_RE.match(note):
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


@dataclass(order=True)
class Candidate:
    score: float
    value: str
    reading: str
    line: int
    headword: str
    base: float = 0.0


def rendering(entry, sense, role):
    base = entry.reading if ("uk" in sense.tags or "uk" in entry.tags) \
        else entry.headword
    if role in ("adj", "mixed"):
        if sense.pos & {"adj-i", "adj-ix", "adj-pn", "adj-f"}:
            pass
        elif "adj-na" in sense.pos:
            base += "な"
        elif "adj-no" in sense.pos:
            base += "の"
        elif "adj-t" in sense.pos:
            base += "たる"
    return base


def score(entry, sense_index, sense, gloss_index, narrowed, capital, value):
    s = 0.0
    if not entry.common:
        s += 4
    s += SENSE_STEP * sense_index + GLOSS_STEP * gloss_index
    if narrowed:
        s += 2
    if KATAKANA_RE.match(value.rstrip("なの")):
        s += KATAKANA_PENALTY
    if (entry.tags | sense.tags) & BAD_TAGS:
        s += 6
    if (entry.tags | sense.tags) & REGISTER_TAGS:
        s += 1
    if sense.tags & FIELD_TAGS:
        s += 2
    if "abbr" in sense.tags:
        s += 2
    if sense.pos & {"n-suf", "n-pref", "suf", "pref"}:
        s += 1  # mostly a part of compounds, rarely a word of its own
    if re.search(r"(?:さん|さま|様|ちゃん)$", entry.headword):
        s += 1  # a form of address (母さん) rather than the plain noun
    if value != entry.headword and "uk" in (sense.tags | entry.tags):
        s += 1  # kana spelling of a word that also has a kanji form
    if capital:
        s += 1
    s += LENGTH_WEIGHT * len(value)
    return s


def collect(entries):
    """Every candidate per key for each role: noun, adj, adv and verb."""
    found = {"noun": {}, "adj": {}, "adv": {}, "verb": {}}
    mixed = {}          # adjectival nouns: adjectives only for some keys
    adjectival = set()  # keys that some true adjective is glossed with
    for entry in entries:
        for si, sense in enumerate(entry.senses):
            is_verb = any(VERB_POS_RE.match(p) for p in sense.pos)
            for gi, gloss in enumerate(sense.glosses):
                for verb in ((True, False) if is_verb else (False,)):
                    text, narrowed = bare_gloss(gloss, verb)
                    if not text:
                        continue
                    key, capital = key_of(text)
                    if not key:
                        continue
                    if sense.pos & TRUE_ADJ_POS \
                            and not NOUN_SUFFIX_RE.search(key):
                        adjectival.add(key)
                    if re.search(r"(?:ing|ed)$", key) and any(
                            p.startswith("vs") for p in sense.pos):
                        # A verbal noun glossed with a gerund (拝見 "seeing")
                        # translates the verb, which English text almost
                        # always means by "seeing".
                        continue
                    for role in roles_of(sense, key, verb):
                        value = rendering(entry, sense, role)
                        if not encodable(value):
                            continue
                        sc = score(entry, si, sense, gi, narrowed, capital,
                                   value)
                        cand = Candidate(sc, value, entry.reading,
                                         entry.line, entry.headword)
                        bucket = mixed if role == "mixed" else found[role]
                        bucket.setdefault(key, []).append(cand)
    # An adjectival noun (自然 "nature; natural") is the adjective only for
    # a key that is an English adjective: one some true adjective is glossed
    # with, or one with an adjective's ending.
    for key in sorted(mixed):
        if key in adjectival or ADJECTIVE_SUFFIX_RE.search(key):
            found["adj"][key] = found["adj"].get(key, []) + [
                Candidate(c.score + MIXED_PENALTY, c.value, c.reading,
                          c.line, c.headword) for c in mixed[key]]
    # A word glossed only in the plural is still the word for one of them:
    # 姉妹 is glossed "sisters". Offer it to the singular, one point down.
    nouns = found["noun"]
    for key in sorted(nouns):
        single = singular(key)
        if single and single in nouns:
            nouns[single] = nouns[single] + [
                Candidate(c.score + PLURAL_GLOSS_PENALTY, c.value, c.reading,
                          c.line, c.headword) for c in nouns[key]]
    return found


def roles_of(sense, key, verb):
    if verb:
        return ["verb"]
    roles = []
    if sense.pos & NOUN_POS:
        roles.append("noun")
    if sense.pos & TRUE_ADJ_POS or (sense.pos & ADJ_NOUN_POS
                                    and not sense.pos & NOUN_POS):
        roles.append("adj")
    elif sense.pos & ADJ_NOUN_POS:
        roles.append("mixed")
    if sense.pos & ADV_POS and key.endswith("ly"):
        roles.append("adv")
    return roles


def singular(word):
    """The singular of a regular English plural, or None."""
    if not word.endswith("s") or " " in word \
            or re.search(r"(?:ss|us|is)$", word):
        return None  # "bus", "glass", "basis" are singular
    if word.endswith("ies"):
        return word[:-3] + "y"
    if re.search(r"(?:ches|shes|sses|xes)$", word):
        return word[:-2]
    return word[:-1]


class CompoundSupport:
    """How many common EDICT words are built on a headword and still carry
    the English word in their glosses: 本 is inside 本棚 "bookshelf",
    絵本 "picture book", 古本 "second-hand book" and many more, 書籍 inside
    hardly any. A word that compounds freely in its sense is the everyday
    word for it, which is what a learner's dictionary gives first."""

    def __init__(self, entries):
        self.by_word = {}
        for entry in entries:
            words = set()
            for sense in entry.senses:
                for gloss in sense.glosses:
                    words.update(re.findall(r"[a-z]+", gloss.lower()))
            for w in sorted(words):
                self.by_word.setdefault(w, []).append(
                    (entry.headword, entry.reading))

    def count(self, english, headword, reading):
        # The compound must also keep the word's reading where the word
        # stands in it (allowing for the voicing of its first kana, 部屋 in
        # 子供部屋 [こどもべや]): 夜 [よる] is not what 夜間 [やかん] is
        # built on, and 戸 [と] is not in 戸籍 [こせき].
        n = 0
        for h, r in self.by_word.get(english, ()):
            if h == headword or headword not in h:
                continue
            if h.startswith(headword):
                ok = r.startswith(reading)
            elif h.endswith(headword):
                ok = r.endswith(reading) or r.endswith(voiced(reading))
            else:
                ok = reading in r or voiced(reading) in r
            n += ok
        return n


_VOICED = dict(zip("かきくけこさしすせそたちつてとはひふへほ",
                   "がぎぐげござじずぜぞだぢづでどばびぶべぼ"))


def voiced(reading):
    return _VOICED.get(reading[:1], reading[:1]) + reading[1:]


class FreeUse:
    """How many EDICT expressions use a headword as a free word, with a
    particle after it (目 in 目が高い, 木 in 木の葉). A single kanji that
    mostly lives inside compounds (室, 報, 策) is seldom followed by one, so
    this tells the everyday word from the bound morpheme."""

    PARTICLES = "のがをにはでともへ"

    def __init__(self, entries):
        self.counts = {}
        for entry in entries:
            h = entry.headword
            for i in range(len(h) - 1):
                if h[i + 1] not in self.PARTICLES:
                    continue
                for j in range(i, -1, -1):
                    if j == 0 or h[j - 1] in self.PARTICLES:
                        word = h[j:i + 1]
                        self.counts[word] = self.counts.get(word, 0) + 1

    def count(self, headword):
        return self.counts.get(headword, 0)


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


def best_of(candidates, support, free, freq, key):
    """The winning candidate: the base score, less bonuses for compound
    support and free use among the candidates close enough to the best to
    compete; among those, a headword seen less often in running text than
    the most frequent one loses FREQ_WEIGHT points per factor of ten. The
    frequency term only picks the entry: the score handed on (which decides
    between noun, adjective and verb readings of the key) leaves it out,
    since verbs and nouns are not counted alike in the model."""
    floor = min(c.score for c in candidates)
    adjusted = []
    for c in candidates:
        s = c.score
        if c.score <= floor + SUPPORT_WINDOW and " " not in key:
            n = support.count(key, c.headword, c.reading)
            weight = SUPPORT_WEIGHT if len(c.headword) > 1 \
                else SUPPORT_WEIGHT_SINGLE
            s -= min(weight * math.log2(1 + n), SUPPORT_CAP)
            n = free.count(c.headword)
            s -= min(FREE_WEIGHT * math.log2(1 + n), FREE_CAP)
        adjusted.append((s, c))
    best = min(s for s, _ in adjusted)
    close = [(s, c) for s, c in adjusted if s <= best + FREQ_WINDOW]
    ranked = []
    if freq and " " not in key:
        lp = {c.line: freq.of(c.headword, c.reading) for _, c in close}
        top = max(lp.values())
        for s, c in adjusted:
            rank = min(FREQ_WEIGHT * (top - lp[c.line]), FREQ_CAP) \
                if c.line in lp else FREQ_CAP
            ranked.append((s + rank, s, c))
    else:
        ranked = [(s, s, c) for s, c in adjusted]
    ranked.sort()
    _, s, c = ranked[0]
    return Candidate(s, c.value, c.reading, c.line, c.headword, c.score)


def best_candidates(entries, freq=None):
    found = collect(entries)
    support = CompoundSupport(entries)
    free = FreeUse(entries)
    # Only nouns are weighed by frequency: the model counts inflected words
    # by their stems (小さ, not 小さい), so an adjective or verb in its
    # dictionary form would look rarer than an adjectival noun (細か).
    return {role: {key: best_of(cands, support, free,
                                freq if role == "noun" else None, key)
                   for key, cands in sorted(found[role].items())}
            for role in found}


def excluded(key):
    return any(word in EXCLUDED for word in key.split())


def excluded_by_function(key):
    """Excluded for a reason other than being a word of a built-in table."""
    return any(word in EXCLUDED and word not in BUILT_IN for word in
               key.split())


def choose(best):
    """Split the keys between the noun and adjective files, leaving out
    what should not be a key at all."""
    nouns, adjectives = {}, {}
    for key in sorted(set(best["noun"]) | set(best["adj"]) | set(best["adv"])):
        if excluded(key):
            continue
        if " " in key and key.split()[0].endswith("s"):
            # The plural marker stands between the two words of such a key
            # by the time the dictionaries run, so it could never match.
            continue
        noun, adj = best["noun"].get(key), best["adj"].get(key)
        candidates = [c for c in (noun, adj) if c]
        if not candidates or adverb_of_adjective(key, best):
            # "perfectly" is not 完全の: the adverb (全く), or nothing.
            adv = best["adv"].get(key)
            if adv and adv.base <= MAX_SCORE and " " not in key:
                adjectives[key] = adv.value
            continue
        if min(c.base for c in candidates) > MAX_SCORE:
            continue
        if " " in key and min(c.base for c in candidates) >= 4:
            # Two-word keys only from common entries ("ice cream"): EDICT's
            # rare compounds ("bedroom thief") would only cost time.
            continue
        top = min(c.score for c in candidates)
        verb = best["verb"].get(key)
        if verb and verb.score + VERB_MARGIN <= top:
            continue
        if verb_form(key, best) and min(
                c.base - LENGTH_WEIGHT * len(c.value)
                for c in candidates) > STRONG:
            # "continued" is a past tense, not 承前 "continued from the
            # previous issue"; only a strong noun ("meeting", 会議) stays.
            continue
        if adj and (not noun or adj.score <= noun.score + ADJECTIVE_MARGIN) \
                and key not in NUMBER_WORDS:
            adjectives[key] = adj.value
        else:
            nouns[key] = noun.value
    # A plural whose singular is a noun key is left to that key's plural
    # rule (or to the irregular plural written for it).
    for key in sorted(nouns):
        if plural_of_noun(key, nouns) and key not in LEXICAL_PLURALS:
            del nouns[key]
    # An irregular plural is rendered as its singular, even where the
    # singular itself is left to a built-in rule: "tooth" belongs to the
    # phrase "sweet tooth", but "teeth" is still 歯.
    for single, plural_form in sorted(IRREGULAR_PLURALS.items()):
        noun = best["noun"].get(single)
        if noun and not excluded(plural_form) and noun.base <= MAX_SCORE \
                and not excluded_by_function(single):
            nouns[plural_form] = noun.value
    return nouns, adjectives


def adverb_of_adjective(key, best):
    """True for an adverb made from an adjective by "-ly"."""
    if not key.endswith("ly") or " " in key:
        return False
    stems = (key[:-2], key[:-2] + "e", key[:-3] + "y", key[:-1] + "e",
             key[:-1])
    return any(s in best["adj"] for s in stems if len(s) > 2)


def verb_form(key, best):
    """True for a past tense or participle of a verb EDICT knows."""
    if key.endswith("ed"):
        stems = (key[:-2], key[:-1], key[:-3], key[:-3] + "y")
    elif key.endswith("ing"):
        stems = (key[:-3], key[:-3] + "e", key[:-4])
    else:
        return False
    return any(s in best["verb"] for s in stems if len(s) > 1)


def plural_of_noun(key, nouns):
    head, _, last = key.rpartition(" ")
    single = IRREGULAR_SINGULARS.get(last) or singular(last)
    if not single and last.endswith("men"):
        single = last[:-3] + "man"  # gentlemen, clergymen
    return bool(single) and (head + " " + single).strip() in nouns


# ---------------------------------------------------------------------------
# English plurals that a noun line cannot derive by adding "s".
# ---------------------------------------------------------------------------

IRREGULAR_PLURALS = {
    "man": "men", "woman": "women", "child": "children", "foot": "feet",
    "tooth": "teeth", "goose": "geese", "mouse": "mice", "louse": "lice",
    "ox": "oxen", "penny": "pence",
    "crisis": "crises", "analysis": "analyses", "basis": "bases",
    "thesis": "theses", "hypothesis": "hypotheses", "oasis": "oases",
    "axis": "axes", "diagnosis": "diagnoses", "emphasis": "emphases",
    "phenomenon": "phenomena", "criterion": "criteria",
    "cactus": "cacti", "fungus": "fungi", "nucleus": "nuclei",
    "radius": "radii", "stimulus": "stimuli", "alumnus": "alumni",
}
IRREGULAR_SINGULARS = {v: k for k, v in IRREGULAR_PLURALS.items()}
# Nouns in -f/-fe whose plural is -ves (others, like roof and chief, add s).
VES_PLURALS = {
    "calf", "elf", "half", "knife", "leaf", "life", "loaf", "self", "sheaf",
    "shelf", "thief", "wife", "wolf", "scarf", "hoof", "wharf"}
# Nouns in -o whose plural is -oes.
OES_PLURALS = {
    "potato", "tomato", "hero", "echo", "veto", "torpedo", "mosquito",
    "volcano", "buffalo", "domino", "cargo", "tornado", "negro"}
# Words in -man that are not compounds of man.
MAN_NOT_COMPOUND = {
    "human", "roman", "german", "shaman", "talisman", "caiman", "cayman",
    "ottoman", "doberman", "walkman", "pullman", "dolman", "hetman",
    "desman", "ataman", "caveman"}


def plural(word):
    """The English plural of a noun key (the last word takes the ending)."""
    head, _, last = word.rpartition(" ")
    prefix = head + " " if head else ""
    if last in IRREGULAR_PLURALS:
        return prefix + IRREGULAR_PLURALS[last]
    if last.endswith("man") and len(last) > 3 \
            and last not in MAN_NOT_COMPOUND:
        return prefix + last[:-3] + "men"
    if last in VES_PLURALS:
        stem = last[:-2] if last.endswith("fe") else last[:-1]
        return prefix + stem + "ves"
    if last in OES_PLURALS:
        return prefix + last + "es"
    if re.search(r"(?:ss|us|is|as|os|x|z|ch|sh)$", last):
        return prefix + last + "es"
    if last.endswith("s"):
        return None  # already a plural, or a word like "series"
    if re.search(r"[^aeiou]y$", last):
        return prefix + last[:-1] + "ies"
    return prefix + last + "s"


def noun_lines(nouns, adjectives):
    """The noun rules in the order they must be applied."""
    lines = {}
    for key in sorted(nouns):
        lines[key] = nouns[key]
    extra = {}
    for key in sorted(nouns):
        form = plural(key)
        if form and form != key + "s" and form not in nouns \
                and form not in adjectives and not excluded(form) \
                and len(form) <= KEY_WIDTH:
            extra.setdefault(form, nouns[key])
    lines.update(extra)
    # A key that is another key plus "s" is a plural with its own meaning
    # ("glasses", "manners"); it must run before the singular line, whose
    # plural rule would otherwise take it.
    lexical = sorted(k for k in lines if k.endswith("s") and k[:-1] in lines)
    two_words = sorted(k for k in lines if " " in k and k not in lexical)
    rest = sorted(k for k in lines if " " not in k and k not in lexical)
    return [(k, lines[k]) for k in two_words + lexical + rest]


def adjective_lines(adjectives):
    two_words = sorted(k for k in adjectives if " " in k)
    rest = sorted(k for k in adjectives if " " not in k)
    return [(k, adjectives[k]) for k in two_words + rest]


def format_line(key, value):
    if len(key) > KEY_WIDTH or key != key.rstrip(" "):
        raise ValueError("bad key %r" % key)
    return key.ljust(KEY_WIDTH) + value


def write(path, rules):
    text = "".join(format_line(k, v) + "\r\n" for k, v in rules)
    with open(path, "wb") as f:
        f.write(text.encode("cp932"))


def main(argv=None):
    parser = argparse.ArgumentParser(
        description=__doc__,
        formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--edict", default=DEFAULT_EDICT,
                        help="EDICT file, EUC-JP (default: %(default)s)")
    parser.add_argument("--out-dir", default=DEFAULT_OUT,
                        help="folder to write the three files to "
                             "(default: the repository's data folder)")
    parser.add_argument("--kkc", default=DEFAULT_KKC,
                        help="libkkc language model folder, whose word "
                             "frequencies break ties between EDICT entries "
                             "(default: %(default)s)")
    parser.add_argument("--no-kkc", action="store_true",
                        help="rank without word frequencies (the files "
                             "then differ from the shipped ones)")
    args = parser.parse_args(argv)
    if not os.path.exists(args.edict):
        parser.error("%s not found: install Debian's edict package"
                     % args.edict)
    freq = None
    if not args.no_kkc:
        if not os.path.exists(os.path.join(args.kkc, "data.1gram.index")):
            parser.error("%s/data.1gram.index not found: install Debian's "
                         "libkkc-data package, or pass --no-kkc" % args.kkc)
        try:
            freq = WordFrequency(args.kkc)
        except ImportError:
            parser.error("the marisa module is missing: install Debian's "
                         "python3-marisa package, or pass --no-kkc")
    nouns, adjectives = choose(best_candidates(parse_edict(args.edict),
                                               freq))
    os.makedirs(args.out_dir, exist_ok=True)
    noun_rules = noun_lines(nouns, adjectives)
    adj_rules = adjective_lines(adjectives)
    write(os.path.join(args.out_dir, "noun.txt"), noun_rules)
    write(os.path.join(args.out_dir, "adjective.txt"), adj_rules)
    write(os.path.join(args.out_dir, "rome.txt"), rome_rules.RULES)
    print("noun.txt: %d lines, adjective.txt: %d lines, rome.txt: %d lines"
          % (len(noun_rules), len(adj_rules), len(rome_rules.RULES)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
