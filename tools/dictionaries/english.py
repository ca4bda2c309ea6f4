"""English word forms: the plural of a noun and the singular of a regular
plural."""

import re


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




# ---------------------------------------------------------------------------
# Verb forms.
# ---------------------------------------------------------------------------

# The verbs whose present forms no spelling rule gives.
IRREGULAR_THIRD_PERSON = {"be": "is", "have": "has", "do": "does",
                          "go": "goes"}


def third_person(base):
    if base in IRREGULAR_THIRD_PERSON:
        return IRREGULAR_THIRD_PERSON[base]
    if re.search(r"(?:s|x|z|ch|sh|o)$", base):
        return base + "es"
    if re.search(r"[^aeiou]y$", base):
        return base[:-1] + "ies"
    return base + "s"


def archaic_third_person(base):
    """The third person in -eth of older prose ("thinketh", "maketh")."""
    if base in ("be", "have", "do"):
        return {"be": "is", "have": "hath", "do": "doth"}[base]
    return base + ("th" if base.endswith("e") else "eth")


def regular_past(base):
    if base.endswith("e"):
        return base + "d"
    if re.search(r"[^aeiou]y$", base):
        return base[:-1] + "ied"
    return base + "ed"


def regular_ing(base):
    if base.endswith("ie"):
        return base[:-2] + "ying"
    if re.search(r"[^aeioy]e$", base) and base not in ("be",):
        return base[:-1] + "ing"
    return base + "ing"


# Verbs whose past is the base, which WordNet lists nothing for since no
# spelling changes (those that double a consonant before -ing, such as
# "hit", are told by that).
UNCHANGED_PAST = {"cost", "hurt", "burst", "cast", "spread", "broadcast",
                  "thrust", "shed", "upset", "forecast", "bid", "read"}


# The endings of irregular participles: gone, seen, taken, shown, born.
PARTICIPLE_ENDINGS = ("en", "wn", "ne", "rn", "ain")


def verb_forms(base, irregular, in_use=lambda spelling: False):
    """The forms of an English verb: {"base", "s", "eth", "past", "pp",
    "ing"} to the spellings of each. irregular holds the forms WordNet lists for the
    verb (verb.exc: "went", "gone", "stopping", "stopped"), which take the
    place of the regular ones. WordNet does not say which of two listed
    forms is the past and which the participle: a form in -n or -ne
    ("gone", "seen", "taken") or with u for the other's a ("sung" beside
    "sang") is the participle; a single listed form is both ("left").
    in_use tells whether a regular spelling is a word of English at all,
    for verbs that have both kinds of form."""
    ing = [f for f in irregular if f.endswith("ing")]
    rest = [f for f in irregular if not f.endswith("ing")
            and f not in ("is", "am", "are", "has", "does")]
    past, participle = [], []
    # A participle listed alone ("proven", "sewn", "swollen"; not "shone",
    # a past): the past is the regular "proved", "sewed", "swelled", or
    # the base where the participle only adds -en to it ("beat", "outbid").
    lone_participle = len(rest) == 1 \
        and rest[0].endswith(("en", "wn", "rn", "ain"))
    for f in rest:
        paired = [o for o in rest if o != f and len(o) == len(f)
                  and (re.sub("u", "a", f) == o or re.sub("u", "a", o) == f)]
        if lone_participle:
            if f in (base + "en", base + base[-1:] + "en") \
                    and base.endswith(("t", "d")):
                past.append(base)
            else:
                past.append(regular_past(base))
            participle.extend([f] + [p for p in past if p != f])
        elif len(rest) == 1 or f.endswith("ed"):
            past.append(f)
            participle.append(f)
        elif paired:
            (participle if "u" in set(f) - set(paired[0]) else past).append(f)
        elif f.endswith(PARTICIPLE_ENDINGS):
            participle.append(f)
        else:
            past.append(f)
    # "learnt", "burnt", "spelt", "wrought": WordNet lists the irregular
    # form, but the regular one in -ed may be as common, or more. It is
    # taken where in_use says it is written ("worked" is, "goed" is not).
    regular = regular_past(base)
    if past and regular not in past and (
            any(f in (base + "t", base[:-1] + "t") and f != base
                for f in past)
            or in_use(regular)):
        past.append(regular)
        participle.append(regular)
    if not past and (base in UNCHANGED_PAST or any(
            f == base + base[-1] + "ing" for f in ing)):
        # "hitting" is listed for its doubled consonant, but no "hitted":
        # the past is the base itself.
        past = [base]
    if base == "be":
        past = ["was", "were"]
    forms = {
        "eth": [archaic_third_person(base)],
        "base": [base],
        "s": [third_person(base)],
        "past": past or [regular_past(base)],
        "pp": participle or past or [regular_past(base)],
        "ing": ing or [regular_ing(base)],
    }
    return forms


# ---------------------------------------------------------------------------
# Comparison of adjectives.
# ---------------------------------------------------------------------------

def comparison_forms(base, irregular):
    """{"er": [...], "est": [...]}: the comparative and superlative of an
    adjective. irregular holds WordNet's listed forms of it (adj.exc:
    "bigger", "happiest", "worse"), which replace the regular ones; they
    are told apart by their ending, or, for "worse" and "worst", by being
    the shorter one."""
    er = [f for f in irregular if f.endswith("er")
          or (not f.endswith("st") and f != base)]
    est = [f for f in irregular if f.endswith("st")]
    if not er:
        if base.endswith("e"):
            er = [base + "r"]
        elif re.search(r"[^aeiou]y$", base):
            er = [base[:-1] + "ier"]
        else:
            er = [base + "er"]
    if not est:
        if base.endswith("e"):
            est = [base + "st"]
        elif re.search(r"[^aeiou]y$", base):
            est = [base[:-1] + "iest"]
        else:
            est = [base + "est"]
    return {"er": er, "est": est}
