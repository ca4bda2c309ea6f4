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


