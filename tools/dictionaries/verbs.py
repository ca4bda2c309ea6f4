"""English verbs in all their forms, rendered in the built-in style: a
topic phrase by tense (" like " is が好きなのは, " saw " が見たのは, " go "
が行く), with のは where the verb takes an object, since what follows is
then what the verb is done to.

  base, -s     が + dictionary form   (hits: が打つのは)
  past         が + past              (swung: が振ったのは; where the base
                                       and past spell alike, as in "hit",
                                       the present gives the rendering)
  -ing         が + te-form + いる    (hitting: が打っているのは)
  participle   where it is spelt apart from the past: the passive past for
               a verb with an object (written: 書かれた), the past for one
               without (gone: 行った); after "was" (dropped) or "has" it
               reads as what became of the subject
  to + base    dictionary form + こと (to go: 行くこと), two-word keys that
               run before the built-in " to "
  have + participle, had + participle
               が + past (have seen: が見たのは), before the built-in
               " have " makes a possession of the perfect ("has" cannot
               stand in a two-word key: the plural marker follows it)

Which Japanese verb: EDICT's candidates for the gloss "to VERB" (scored
as the nouns are, see choosing.py), of a class that conjugates, weighed
by FreeDict's agreement and by transitivity: a verb that takes an object
in English should be a transitive one in Japanese (打つ, not 当たる, for
"hit"), as EDICT's vt and vi marks say.
"""

import re

from . import core_words, technical
from .choosing import Candidate
from .conjugate import CLASSES, Verb
from .english import verb_forms
from .exclusions import BUILT_IN

# Points against a Japanese verb whose transitivity is the other one.
TRANSITIVITY_PENALTY = 2.0
# Points off for FreeDict's agreement: its first translation of the verb,
# one of its first sense, one of a later sense.
FREEDICT_FIRST = 3.0
FREEDICT_FIRST_SENSE = 2.0
FREEDICT_LATER_SENSE = 1.0
# A verb candidate scoring above this (a rare, archaic or slang entry, a
# late sense) is no rendering.
MAX_SCORE = 9.0

# A noun that takes する, glossed with the noun WordNet derives from the
# English verb (到着 "arrival" for "arrive", 承認 "approval" for
# "approve") or with its gerund (無視 "ignoring"), is a candidate for the
# verb at this many points more than for its noun; EDICT glosses such
# nouns as nouns, so this is often the only way to the everyday verb. Only
# nouns of the action count, from a sense of the verb that is met at all:
# not the doer ("arriver", "manager"), nor "ignorance" from a rare sense
# of "ignore".
DERIVED_NOUN_PENALTY = 2.0
AGENT_NOUN_RE = re.compile(r"(?:er|or|ist|ee|ant|(?<!m)ent|ive|s)$")

# How often the Japanese verb is written decides among the candidates
# within FREQ_WINDOW points of the best, as it does for nouns: FREQ_WEIGHT
# points per factor of ten by which its stem is rarer in libkkc's model
# than the most frequent of them, at most FREQ_CAP. EDICT glosses 振る,
# 揺さぶる and 揺るがす all "to swing" in their first sense; the everyday
# word is the one Japanese writes most.
FREQ_WEIGHT = 1.0
FREQ_CAP = 2.0
FREQ_WINDOW = 1.0

# How the occurrences of an English verb are shared among its forms, as
# in running text (roughly as the Brown corpus tags them): the base form
# covers the infinitive and the present. The archaic "-eth" of older prose
# has no share: it wins only where nothing else is spelt so. A form spelt like another one
# has the sum. These weigh a form against a noun or adjective of the same
# spelling, whose count is shared the same way (NOUN_SHARE).
FORM_SHARE = {"base": 0.35, "s": 0.10, "past": 0.22, "pp": 0.20,
              "ing": 0.13, "eth": 0.0}
# Of a noun's occurrences, the singular and the plural.
NOUN_SHARE = {"singular": 0.7, "plural": 0.3}

# A form's rendering by its role. Where two forms spell alike, the first
# of this order gives the rendering ("hit" is the present).
FORM_ORDER = ("base", "s", "past", "ing", "pp", "eth")


KANJI_RE = re.compile("[\u4e00-\u9fff]")

# The count a verb of the technical list (technical.py) weighs at least.
TECHNICAL_COUNT = 100


def conjugable(candidate):
    """The Verb for an EDICT candidate, or None when its class is not one
    the conjugation knows (or its headword does not fit the class)."""
    classes = sorted(p for p in candidate.pos if p in CLASSES)
    if not classes:
        return None
    try:
        verb = Verb(candidate.value, classes[0])
        verb.past()
        verb.passive_past()
        verb.negative()
    except ValueError:
        return None
    return verb


def freedict_bonus(freedict, english, verb, candidate):
    if freedict is None:
        return 0.0
    for form in (verb.dictionary, candidate.headword, candidate.value):
        rank = freedict.rank(english, "verb", form)
        if rank:
            if rank == (0, 0):
                return FREEDICT_FIRST
            return FREEDICT_FIRST_SENSE if rank[0] == 0 \
                else FREEDICT_LATER_SENSE
    return 0.0


def written_frequency(freq, verb, candidate):
    """The log10 frequency of a verb's stem in libkkc's model, by its
    headword and reading (the kanji spelling counts for a verb EDICT
    writes in kana)."""
    written = verb.stem(candidate.headword)
    reading = verb.stem(candidate.reading)
    if written is None or reading is None:
        return None
    return freq.of(written, reading)


def japanese_verb(english, candidates, transitive, freedict, freq=None,
                  edict_verbs=None):
    """The best conjugable EDICT verb for an English verb, or None; for
    the verbs of the reviewed core, the one it names, which must be among
    the candidates; for those of core_words.EVERYDAY_VERBS, the EDICT verb
    it names whatever its glosses (edict_verbs, as everyday_verbs_index
    makes it)."""
    if english in technical.TECHNICAL_VERBS:
        return Verb(*technical.TECHNICAL_VERBS[english])
    if english in core_words.EVERYDAY_VERBS:
        return everyday_verb(english, edict_verbs or {})
    if english in core_words.CORE_VERBS:
        return _reviewed(core_words.CORE_VERBS, "core verb", english,
                         candidates)
    return _best_verb(english, candidates, transitive, freedict, freq)


def _reviewed(table, what, english, candidates):
    """The verb a reviewed table names for an English verb, which must be
    among its EDICT candidates: a typing slip fails the generator."""
    headword, klass = table[english]
    if not any(c.headword == headword or c.value == headword
               for c in candidates):
        raise ValueError("%s %s = %s is no EDICT candidate"
                         % (what, english, headword))
    return Verb(headword, klass)


def everyday_verbs_index(verb_candidates, vs_nouns=None):
    """Headword -> the conjugation classes EDICT gives it, for every verb
    entry the generator reads: each is a candidate of some English verb,
    or, a noun that takes する, of some English noun."""
    index = {}
    for table in (verb_candidates, vs_nouns or {}):
        for candidates in table.values():
            for c in candidates:
                classes = {p for p in c.pos if p in CLASSES}
                if classes:
                    index.setdefault(c.headword, set()).update(classes)
    return index


def everyday_verb(english, edict_verbs):
    """The verb core_words.EVERYDAY_VERBS names for an English verb, in
    the class EDICT gives its headword (the first, where it gives
    several); a headword that is no EDICT verb fails the generator."""
    headword = core_words.EVERYDAY_VERBS[english]
    classes = edict_verbs.get(headword)
    if not classes:
        raise ValueError("everyday verb %s = %s is no EDICT verb"
                         % (english, headword))
    return Verb(headword, sorted(classes)[0])


def _best_verb(english, candidates, transitive, freedict, freq):
    ranked = []
    for c in candidates:
        verb = conjugable(c)
        if verb is None or c.score > MAX_SCORE:
            continue
        s = c.score
        vt, vi = "vt" in c.pos, "vi" in c.pos
        if (transitive and vi and not vt) or (not transitive and vt
                                              and not vi):
            s += TRANSITIVITY_PENALTY
        s -= freedict_bonus(freedict, english, verb, c)
        ranked.append((s, c.line, verb.dictionary, verb, c))
    if not ranked:
        return None
    if freq is not None:
        best = min(r[0] for r in ranked)
        written = {r[1]: written_frequency(freq, r[3], r[4])
                   for r in ranked if r[0] <= best + FREQ_WINDOW}
        known = [lp for lp in written.values() if lp is not None]
        if known:
            top = max(known)
            ranked = [(s + (min(FREQ_WEIGHT * (top - written[line]), FREQ_CAP)
                            if written.get(line) is not None else FREQ_CAP),
                       line, dictionary, verb, c)
                      for s, line, dictionary, verb, c in ranked]
    ranked.sort(key=lambda r: r[:3])
    return ranked[0][3]


def core_passive(english, candidates):
    """The verb of core_words.CORE_PASSIVES a passive of an English verb
    is made of, which must be among its EDICT candidates."""
    return _reviewed(core_words.CORE_PASSIVES, "core passive", english,
                     candidates)


def passive_verb(english, candidates, verb, freedict, freq=None):
    """The verb a passive is made of, where the chosen one cannot take an
    object: "the rules were changed" is 変えられた, and 変わる, the verb
    chosen for "change" (EDICT marks it vi only), gives 変わられた, "the
    rules suffered a change". Only the other member of a pair written
    with the same kanji (変わる/変える, 溶ける/溶かす, 痛む/痛める): a verb
    without an object that has no such partner makes a passive of its own
    (答えられた, 会われた, 勝たれた), and a verb of another root is another
    sense ("win" 射止める). None where the chosen verb takes an object (or
    EDICT says nothing of it), or no partner is a candidate."""
    own = [c for c in candidates if c.value == verb.dictionary
           or c.headword == verb.dictionary
           or c.value + "する" == verb.dictionary]
    if not own or not all("vi" in c.pos and "vt" not in c.pos for c in own):
        return None
    root = verb.dictionary[0]
    if not KANJI_RE.match(root):
        return None
    partners = [c for c in candidates if "vt" in c.pos
                and c.headword.startswith(root)
                and c.headword != verb.dictionary]
    return _best_verb(english, partners, True, freedict, freq) \
        if partners else None


def renderings(verb, transitive):
    """The value for each form of a Japanese verb."""
    topic = "のは" if transitive else ""
    return {
        "base": "が" + verb.dictionary + topic,
        "s": "が" + verb.dictionary + topic,
        "eth": "が" + verb.dictionary + topic,
        "past": "が" + verb.past() + topic,
        "ing": "が" + verb.te() + "いる" + topic,
        "pp": verb.passive_past() if transitive else verb.past(),
        "to": verb.dictionary + "こと",
        "perfect": "が" + verb.past() + topic,
    }



def active_spellings(forms):
    """(form, spelling) for each spelling of a verb's base, -s, past and
    -ing forms, and "to" before each base: the forms a key that reads the
    verb with what follows it starts with. forms: {form: [spellings]}."""
    return [(form, spelling) for form in ("base", "s", "past", "ing")
            for spelling in forms[form]] \
        + [("to", "to " + base) for base in forms["base"]]

def inflected_spellings(wordnet, min_count):
    """Every past, participle and -ing form of the verbs WordNet has counts
    for: the spellings that are verb forms before they are anything else,
    unless a noun or adjective reading is a strong one."""
    spellings = set()
    for base, forms in sorted(english_verbs(wordnet, min_count).items()):
        for form in ("past", "pp", "ing"):
            spellings.update(forms[form])
    return spellings


def english_verbs(wordnet, min_count):
    """Base form -> its forms, for every single-word verb WordNet has at
    least min_count tagged occurrences of."""
    irregular = wordnet.irregular_by_base("v")

    def in_use(spelling):
        return wordnet.in_use(spelling) and not any(
            wordnet.has(spelling, p) for p in "nvar")
    return {base: verb_forms(base, irregular.get(base, []), in_use)
            for base in wordnet.lemmas("v")
            if base.isalpha() and wordnet.count(base, "v") >= min_count}


def derived_candidates(wordnet, base, forms_of, vs_nouns):
    """The nouns that take する and are glossed with a noun of the verb's
    action or with its gerund, as candidates for the verb itself. Not for
    the verbs the core or the built-in tables render ("be" is no 存在,
    "to be" stays あること)."""
    found = []
    if base in dict(core_words.CORE_WORDS) or base in BUILT_IN:
        return found
    nouns = [n for n, count in sorted(wordnet.derived_nouns(base).items())
             if n != base and count > 1 and not AGENT_NOUN_RE.search(n)]
    for noun in nouns + [f for f in forms_of["ing"] if f != base]:
        for c in vs_nouns.get(noun, ()):
            found.append(Candidate(c.score + DERIVED_NOUN_PENALTY, c.value,
                                   c.reading, c.line, c.headword,
                                   pos=c.pos))
    return found


def verb_readings(wordnet, verb_candidates, freedict, min_count,
                  freq=None, vs_nouns=None, chosen=None, passive=None):
    """Every form of every English verb WordNet has counts for (at least
    min_count tagged occurrences) and EDICT a verb for:
    {spelling: [(weight, value, base, form)]}, the weight being the verb's
    count times the share of the form (FORM_SHARE, summed over forms that
    spell alike). chosen, when given, is filled with each base's Japanese
    verb (None where EDICT has none), transitivity, forms and count, for
    the keys that read a verb with its auxiliary (grammar.py); passive,
    when given, with the verb a passive of the base is made of where it
    is not the chosen one (passive_verb)."""
    readings = {}
    table = english_verbs(wordnet, min_count)
    irregular = wordnet.irregular_by_base("v")
    for base in technical.TECHNICAL_VERBS:
        table.setdefault(base, verb_forms(base, irregular.get(base, [])))
    # A form a technical verb shares with another verb is the technical
    # one's: WordNet's "instal" has "installed" and "installing" too, and
    # its keys, taken first in order, read "are installed" as 装着される.
    technical_spellings = {spelling for base in technical.TECHNICAL_VERBS
                           for spellings in table[base].values()
                           for spelling in spellings}
    for base, forms_of in list(table.items()):
        if base not in technical.TECHNICAL_VERBS:
            table[base] = {form: [s for s in spellings
                                  if s not in technical_spellings]
                           for form, spellings in forms_of.items()}
    edict_verbs = everyday_verbs_index(verb_candidates, vs_nouns)
    for base, forms_of in sorted(table.items()):
        candidates = verb_candidates.get(base, []) + derived_candidates(
            wordnet, base, forms_of, vs_nouns or {})
        count = wordnet.count(base, "v")
        transitive = wordnet.transitive(base)
        if base in technical.TECHNICAL_VERBS:
            # Today's sense wins over a noun spelt alike, and every verb
            # of the list gets the keys of the frequent ones.
            count = max(count, TECHNICAL_COUNT)
            transitive = True
        verb = japanese_verb(base, candidates, transitive, freedict, freq,
                             edict_verbs) \
            if candidates or base in technical.TECHNICAL_VERBS \
            or base in core_words.EVERYDAY_VERBS else None
        if chosen is not None:
            chosen[base] = (verb, transitive, forms_of, count)
        if verb is None:
            continue
        if passive is not None:
            other = passive_verb(base, candidates, verb, freedict, freq)
            if base in core_words.CORE_PASSIVES:
                other = core_passive(base, candidates)
            if other is not None:
                passive[base] = other
        values = renderings(verb, transitive)
        spelt = {}
        for form in FORM_ORDER:
            for spelling in forms_of[form]:
                if spelling.isalpha():  # not "co-ordinated" for coordinate
                    spelt.setdefault(spelling, []).append(form)
        for spelling, forms in sorted(spelt.items()):
            weight = count * sum(FORM_SHARE[f] for f in forms)
            readings.setdefault(spelling, []).append(
                (weight, values[forms[0]], base, forms[0]))
        readings.setdefault("to " + base, []).append(
            (count * FORM_SHARE["base"], values["to"], base, "to"))
        # Only a participle spelt apart from the past needs a key: "have
        # walked" reads well enough as が持っているのは + が歩いたのは, but
        # "have seen" would be a possession and a passive.
        for spelling in sorted(set(forms_of["pp"]) - set(forms_of["past"])):
            for auxiliary in ("have", "had"):
                readings.setdefault(auxiliary + " " + spelling, []).append(
                    (count * FORM_SHARE["pp"], values["perfect"], base,
                     "perfect"))
    return readings
