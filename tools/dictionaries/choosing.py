"""Choosing, for every English key, the EDICT entry a learner's dictionary
would give first, and splitting the keys between the noun and adjective
files. The weights stand with their rationale at the top; the whole method
is described in the generator's --help (dictionaries/cli.py)."""

import math
import re
from dataclasses import dataclass

from .edict import (ADJ_NOUN_POS, ADV_POS, BAD_TAGS, FIELD_TAGS, KATAKANA_RE,
                    KANJI_SPELLING_TAGS, OFFENSIVE_TAGS,
                    NOUN_POS, NOUN_SUFFIX_RE, ADJECTIVE_SUFFIX_RE,
                    REGISTER_TAGS, TRUE_ADJ_POS, VERB_POS_RE, bare_gloss,
                    encodable, key_of, proper_key)
from .kkc import FREQ_FLOOR
from .english import (IRREGULAR_PLURALS, IRREGULAR_SINGULARS, singular)
from .exclusions import (LEXICAL_PLURALS, NUMBER_WORDS, excluded,
                         excluded_by_function)

# adjective reading by at least this many penalty points.
VERB_MARGIN = 0.5

# A key goes to adjective.txt when its best adjective candidate scores no
# more than this above its best noun candidate.
ADJECTIVE_MARGIN = 2.0

# A key whose best candidate scores above MAX_SCORE (before compound
# support) is left out: what is left are rare, archaic or slang readings.
# For a word met in WordNet's tagged texts, a loanword is measured without
# KATAKANA_PENALTY: that only ranks it behind a native word, and without
# one the key would be spelt out in katakana anyway, worse (パックエト for
# パケット "packet"). Rarer words are left out as before, since each line
# costs the filter time.
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
# A headword the model does not know loses at most this much: mostly they
# are compounds it splits (十年 "decade", 重要性 "importance"), not rare.
FREQ_UNKNOWN = 1.0
# A sense tagged with a field counts this much of an untagged one towards
# a word's frequency (see sense_share).
FIELD_SENSE_WEIGHT = 0.25

# The adverb of an adjective's rendering (完全な → 完全に) costs this much
# more than the adjective, when it competes with EDICT's adverbs. Among the
# hundred most frequent "-ly" adverbs, 2 points kept EDICT's idiomatic ones
# (ゆっくり "slowly", 滅多に "rarely", ざっと "roughly") and still took the
# adjective's adverb where EDICT's shares only the gloss (一向
# "completely", 嘖々 "highly"); 1 point lost the idiomatic ones.
DERIVED_ADVERB_PENALTY = 2.0

# A noun that takes する (旅行 "travel") as a candidate for the English verb
# costs this much more than as the noun: a verb EDICT glosses "to travel"
# is the plainer rendering where there is one.
VERBAL_NOUN_PENALTY = 1.5

# A verb glossed with a preposition after it ("to belong to", "to consist
# of", "to arrive at") is a candidate for the bare verb at this many
# points more: the preposition only marks the object. Adverbial particles
# ("give up", "put off") change the verb's meaning and are not taken, nor
# are "on", "over" and "through", which make phrasal verbs of frequent
# ones ("gain on" is 追い上げる, "watch over" 見守る).
PREPOSITION_PENALTY = 1.0
OBJECT_PREPOSITIONS = {"at", "to", "of", "in", "into", "onto", "upon", "with",
                       "for", "from", "about", "along", "across"}

# FreeDict's agreement (see freedict_bonus), in points off: its first
# translation, one of its first sense, one of a later sense.
FREEDICT_FIRST = 3.0
FREEDICT_FIRST_SENSE = 2.0
FREEDICT_LATER_SENSE = 1.0

KATAKANA_PENALTY = 3.0
LENGTH_WEIGHT = 0.25
SENSE_STEP = 2.0
GLOSS_STEP = 1.0

# An adjectival noun rendered as an adjective (大型の "large") costs this
# much more than a true adjective (大きい), which is the plainer word.
MIXED_PENALTY = 1.5

# A noun that takes する glossed with an -ing noun (建造 "building", 理解
# "understanding") names the action, which the English noun means less
# often than the thing (建物): it costs this much more.
GERUND_NOUN_PENALTY = 1.0

# A proper noun is a key only from a common entry (less than the +4 of an
# uncommon one): the rest are mostly the Latin names of plant and animal
# families, not worth a line each.
PROPER_MAX_SCORE = 4.0

# A plural with an entry this many points better than its singular's is a
# word of its own (see own_plural).
OWN_PLURAL_MARGIN = 2.0

# A candidate whose gloss is the plural of the key ("sisters" for
# "sister") costs this much more than one glossed in the singular.
PLURAL_GLOSS_PENALTY = 1.0


@dataclass(order=True)
class Candidate:
    score: float
    value: str
    reading: str
    line: int
    headword: str
    base: float = 0.0
    # The sense's parts of speech: a verb's conjugation class and whether
    # it takes an object.
    pos: frozenset = frozenset()
    # The share of the entry's use that falls to the sense holding the
    # gloss (see sense_share).
    share: float = 1.0


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
    tags = entry.tags | sense.tags
    if not value.startswith(entry.headword):
        tags -= KANJI_SPELLING_TAGS  # written in its reading: コーヒー
    if tags & BAD_TAGS:
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


def collect(entries, gerund_nouns=frozenset()):
    """Every candidate per key for each role: noun, adj, adv and verb.
    gerund_nouns are the -ing words English uses as nouns in their own
    right."""
    found = {"noun": {}, "adj": {}, "adv": {}, "verb": {}, "vs_noun": {},
             "proper": {}}
    mixed = {}          # adjectival nouns: adjectives only for some keys
    adjectival = set()  # keys that some true adjective is glossed with
    for entry in entries:
        for si, sense in enumerate(entry.senses):
            if (entry.tags | sense.tags) & OFFENSIVE_TAGS:
                continue
            is_verb = any(VERB_POS_RE.match(p) for p in sense.pos)
            for gi, gloss in enumerate(sense.glosses):
                for verb in ((True, False) if is_verb else (False,)):
                    text, narrowed = bare_gloss(gloss, verb)
                    if not text:
                        continue
                    proper = proper_key(text)
                    if proper and not verb and sense.pos & NOUN_POS:
                        offer(found["proper"], proper, gloss_candidate(
                            entry, si, gi, narrowed, "noun", True))
                    key, capital = key_of(text)
                    if not key:
                        continue
                    if sense.pos & TRUE_ADJ_POS \
                            and not NOUN_SUFFIX_RE.search(key):
                        adjectival.add(key)
                    verbal_noun = not verb and "vs" in sense.pos \
                        and sense.pos & NOUN_POS and " " not in key
                    if verbal_noun:
                        # Every noun that takes する, by its English noun
                        # (到着 "arrival", 無視 "ignoring"): the verb
                        # module offers it to the verb the noun is made
                        # from.
                        offer(found["vs_noun"], key, gloss_candidate(
                            entry, si, gi, narrowed, "noun", capital))
                    if re.search(r"(?:ing|ed)$", key) and any(
                            p.startswith("vs") for p in sense.pos) \
                            and key not in gerund_nouns:
                        # A verbal noun glossed with a gerund (拝見 "seeing")
                        # translates the verb, which English text almost
                        # always means by "seeing"; but not where English
                        # uses the -ing word as a noun of its own (理解
                        # "understanding", 会合 "meeting").
                        continue
                    if verb and " " in key \
                            and key.split()[1] in OBJECT_PREPOSITIONS:
                        offer(found["verb"], key.split()[0], gloss_candidate(
                            entry, si, gi, narrowed, "verb", capital,
                            PREPOSITION_PENALTY))
                    for role in roles_of(sense, key, verb):
                        penalty = GERUND_NOUN_PENALTY \
                            if key in gerund_nouns and "vs" in sense.pos \
                            else 0.0
                        offer(mixed if role == "mixed" else found[role], key,
                              gloss_candidate(entry, si, gi, narrowed, role,
                                              capital, penalty))
                    if verbal_noun:
                        # A noun that becomes a verb with する, glossed as
                        # the noun (旅行 "travel"), is also a candidate for
                        # the verb: EDICT rarely glosses it "to travel".
                        offer(found["verb"], key, gloss_candidate(
                            entry, si, gi, narrowed, "noun", capital,
                            VERBAL_NOUN_PENALTY))
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
                          c.line, c.headword, share=c.share)
                for c in nouns[key]]
    return found


def gloss_candidate(entry, sense_index, gloss_index, narrowed, role,
                    capital, penalty=0.0):
    """An entry as a candidate for the key of one of its glosses, in a
    role, or None where its rendering has no CP932 form."""
    sense = entry.senses[sense_index]
    value = rendering(entry, sense, role)
    if not encodable(value):
        return None
    return Candidate(score(entry, sense_index, sense, gloss_index, narrowed,
                           capital, value) + penalty,
                     value, entry.reading, entry.line, entry.headword,
                     pos=sense.pos, share=sense_share(entry, sense_index))


def offer(bucket, key, candidate):
    if candidate is not None:
        bucket.setdefault(key, []).append(candidate)


def sense_share(entry, sense_index):
    """The share of a word's use that falls to one of its senses, taking
    EDICT's order for the order of use: sense i weighs 1/(i+1), and a
    specialist's sense (仕事 "work" in physics) a quarter of that. The
    model counts 間 in all its uses (a room, a while, between), of which
    the interval is one; 間隔 is nothing else."""
    weights = [(1.0 if not sense.tags & FIELD_TAGS or i == sense_index
                else FIELD_SENSE_WEIGHT) / (i + 1)
               for i, sense in enumerate(entry.senses)]
    return weights[sense_index] / sum(weights)


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




def freedict_bonus(freedict, key, role, candidate):
    """Points off for a candidate that FreeDict, written from the English
    side, also gives for the word: most where it is its first translation,
    less in its first sense, least in a later one. Two independent
    dictionaries agreeing is the strongest sign of the everyday word."""
    if freedict is None or " " in key:
        return 0.0
    word = candidate.value
    if (role == "adj" and word[-1:] in ("な", "の") or role == "adv"
            and word[-1:] == "に") and word != candidate.headword:
        word = word[:-1]  # FreeDict gives the stem: 静か, 明らか
    for form in (word, candidate.headword):
        rank = freedict.rank(key, role, form)
        if rank:
            break
    if rank is None:
        return 0.0
    if rank == (0, 0):
        return FREEDICT_FIRST
    return FREEDICT_FIRST_SENSE if rank[0] == 0 else FREEDICT_LATER_SENSE


def best_of(candidates, support, free, freq, key, freedict=None,
            role="noun"):
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
            s -= freedict_bonus(freedict, key, role, c)
        adjusted.append((s, c))
    best = min(s for s, _ in adjusted)
    close = [(s, c) for s, c in adjusted if s <= best + FREQ_WINDOW]
    ranked = []
    if freq and " " not in key:
        # A word is counted in all its senses: the count of its sense is
        # its share of them (see sense_share).
        known = {c.line: freq.of(c.headword, c.reading) for _, c in close}
        lp = {c.line: known[c.line] + math.log10(c.share)
              for _, c in close}
        top = max(lp.values())
        for s, c in adjusted:
            if c.line not in lp:
                rank = FREQ_CAP
            elif known[c.line] <= FREQ_FLOOR:
                # The model splits most compounds (十年, 重要性) and so
                # does not know them: no sign either way.
                rank = min(FREQ_WEIGHT * (top - lp[c.line]), FREQ_UNKNOWN)
            else:
                rank = min(FREQ_WEIGHT * (top - lp[c.line]), FREQ_CAP)
            ranked.append((s + rank, s, c))
    else:
        ranked = [(s, s, c) for s, c in adjusted]
    ranked.sort()
    _, s, c = ranked[0]
    # The score handed on is the best of all, whichever entry the
    # frequency picked: it says how good a noun (or adjective) the key
    # has, against its verb reading. (衰退 may win "decay" from 腐敗; the
    # noun is no weaker for it.)
    return Candidate(best, c.value, c.reading, c.line, c.headword, c.score)


def best_candidates(entries, freq=None, freedict=None,
                    gerund_nouns=frozenset()):
    """The best candidate of every key in each role; under "verbs" all
    verb candidates, which the verb module weighs by its own signs, with
    under "vs_nouns" every noun that takes する by its English noun, for
    the verbs those nouns are made from; and under "nouns" all noun
    candidates, against which the reviewed core is checked."""
    found = collect(entries, gerund_nouns)
    support = CompoundSupport(entries)
    free = FreeUse(entries)
    # Only nouns are weighed by frequency: the model counts inflected words
    # by their stems (小さ, not 小さい), so an adjective or verb in its
    # dictionary form would look rarer than an adjectival noun (細か).
    best = {role: {key: best_of(cands, support, free,
                                freq if role in ("noun", "proper")
                                else None, key,
                                freedict if role in ("noun", "adj", "adv")
                                else None,
                                "noun" if role == "proper" else role)
                   for key, cands in sorted(found[role].items())}
            for role in ("noun", "adj", "adv", "verb", "proper")}
    best["verbs"] = found["verb"]
    best["nouns"] = found["noun"]
    best["vs_nouns"] = found["vs_noun"]
    return best


def choose(best, verb_spellings=None, freedict=None, adverbs=(),
           frequent=lambda key: False, gerund_nouns=frozenset(),
           proper=lambda key: False):
    """Split the keys between the noun and adjective files, leaving out
    what should not be a key at all. adverbs are English "-ly" adverbs
    (WordNet's) to render from their adjective where EDICT has no gloss
    for them at all ("significantly" from 有意義な). frequent tells the
    words met in running English, for which a loanword is better than
    none (see MAX_SCORE). gerund_nouns are -ing words that English uses
    as nouns, which stay keys however weak their entry: their weight
    against the verb decides (vocabulary.py). proper tells the proper
    nouns that EDICT glosses with a capital ("Europe") which may be keys:
    places, religions and the like, never a person's name."""
    nouns, adjectives = {}, {}
    derived = set(a for a in adverbs if adjective_stem(a, best))
    for key in sorted(set(best["noun"]) | set(best["adj"]) | set(best["adv"])
                      | derived):
        if excluded(key):
            continue
        if " " in key and key.split()[0].endswith("s"):
            # The plural marker stands between the two words of such a key
            # by the time the dictionaries run, so it could never match.
            continue
        noun, adj = best["noun"].get(key), best["adj"].get(key)
        candidates = [c for c in (noun, adj) if c]
        if not candidates or adverb_of_adjective(key, best):
            # "perfectly" is not 完全の: an adverb, or nothing.
            adv = best_adverb(key, best, freedict)
            if adv is not None and " " not in key:
                adjectives[key] = adv
            continue
        if min(base_without_loan(c) if frequent(key) else c.base
               for c in candidates) > MAX_SCORE:
            continue
        if " " in key and min(c.base for c in candidates) >= 4:
            # Two-word keys only from common entries ("ice cream"): EDICT's
            # rare compounds ("bedroom thief") would only cost time.
            continue
        top = min(c.score for c in candidates)
        verb = best["verb"].get(key)
        if verb and verb.score + VERB_MARGIN <= top:
            continue
        if verb_form(key, best, verb_spellings) \
                and key not in gerund_nouns and min(
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
    for key, c in sorted(best.get("proper", {}).items()):
        if key not in nouns and key not in adjectives and proper(key) \
                and not excluded(key) and c.base < PROPER_MAX_SCORE:
            nouns[key] = c.value
    # A plural whose singular is a noun key is left to that key's plural
    # rule (or to the irregular plural written for it).
    for key in sorted(nouns):
        if plural_of_noun(key, nouns) and key not in LEXICAL_PLURALS \
                and not own_plural(key, nouns, best) \
                and not verb_form(singular(key) or "", best, verb_spellings):
            # (A plural of an -ing or -ed noun stays: its singular's line
            # may yet go to the verb, "setting" to "set".)
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


def base_without_loan(candidate):
    """The base score without the penalty for a loanword (see MAX_SCORE)."""
    if KATAKANA_RE.match(candidate.value.rstrip("なの")):
        return candidate.base - KATAKANA_PENALTY
    return candidate.base


def adverbial(value):
    """The adverb of a Japanese adjective: 速い → 速く, 静かな → 静かに
    (いい is よく); None for one that has none of its own (木製の)."""
    if value.endswith("いい"):
        return value[:-2] + "よく"
    if value.endswith("い"):
        return value[:-1] + "く"
    if value.endswith("な"):
        return value[:-1] + "に"
    return None


def best_adverb(key, best, freedict):
    """The rendering of an "-ly" adverb (or of any adverb EDICT has): its
    best EDICT adverb, or the adverb of its adjective's rendering (完全な,
    so 完全に), whichever scores better. EDICT's adverbs are often a
    mimetic word or a narrow sense that only shares the gloss (一向 for
    "completely", 嘖々 for "highly"), so the adjective's adverb costs only
    DERIVED_ADVERB_PENALTY more than its adjective did; FreeDict's
    agreement counts for either."""
    ranked = []
    adv = best["adv"].get(key)
    if adv is not None and adv.base <= MAX_SCORE:
        ranked.append((adv.score, 0, adv.value))
    stem = adjective_stem(key, best)
    if stem is not None:
        adj = best["adj"][stem]
        value = adverbial(adj.value)
        if value is not None and adj.base <= MAX_SCORE:
            derived = Candidate(adj.score + DERIVED_ADVERB_PENALTY, value,
                                adj.reading, adj.line, adj.headword)
            ranked.append((derived.score - freedict_bonus(
                freedict, key, "adv", derived), 1, value))
    return min(ranked)[2] if ranked else None


def adjective_stem(key, best):
    """The adjective an "-ly" adverb is made from (quick, gentle, happy),
    or None."""
    if not key.endswith("ly") or " " in key:
        return None
    stems = (key[:-2], key[:-2] + "e", key[:-3] + "y", key[:-1] + "e",
             key[:-1])
    for s in stems:
        if len(s) > 2 and s in best["adj"]:
            return s
    return None


def adverb_of_adjective(key, best):
    """True for an adverb made from an adjective by "-ly"."""
    if not key.endswith("ly") or " " in key:
        return False
    stems = (key[:-2], key[:-2] + "e", key[:-3] + "y", key[:-1] + "e",
             key[:-1])
    return any(s in best["adj"] for s in stems if len(s) > 2)


def verb_form(key, best, verb_spellings=None):
    """True for a past tense or participle of a verb: one of
    verb_spellings, the forms made from WordNet's verbs, where given; else
    a guess from the spelling and the verbs EDICT knows (which takes
    "bed" for a past of "be")."""
    if verb_spellings is not None:
        return key in verb_spellings
    if key.endswith("ed"):
        stems = (key[:-2], key[:-1], key[:-3], key[:-3] + "y")
    elif key.endswith("ing"):
        stems = (key[:-3], key[:-3] + "e", key[:-4])
    else:
        return False
    return any(s in best["verb"] for s in stems if len(s) > 1)


def own_plural(key, nouns, best):
    """True for a plural whose own entry is far better than its
    singular's (パンツ "pants" against 息せき "pant"): a word of its own,
    kept as a key like the lexical plurals."""
    single = singular(key)
    if not single or single not in best["noun"] or key not in best["noun"]:
        return False
    return nouns[key] != nouns.get(single) and best["noun"][key].score \
        + OWN_PLURAL_MARGIN <= best["noun"][single].score


def plural_of_noun(key, nouns):
    head, _, last = key.rpartition(" ")
    single = IRREGULAR_SINGULARS.get(last) or singular(last)
    if not single and last.endswith("men"):
        single = last[:-3] + "man"  # gentlemen, clergymen
    return bool(single) and (head + " " + single).strip() in nouns


