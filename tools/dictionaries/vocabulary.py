"""One rendering per English spelling, from all sources at once.

A spelling can be read several ways: "hit" is a noun and a verb, "does" a
verb form and the plural of "doe", "leaves" the plural of "leaf" and a form
of "leave", "john" a name and (in EDICT) a slang noun. Each reading gets a
weight, WordNet's tagged count of its word times the share of the form
(verbs.FORM_SHARE, verbs.NOUN_SHARE), and the heaviest wins:

  * the reviewed core (core_words.py) always wins: no source decides it;
  * a noun weighs its count as a noun (twice that for a noun that takes
    する, which reads right for the verb too), an adjective or adverb its
    counts as both (adjective.txt holds the "-ly" adverbs too), a verb
    form the verb's count times its share;
  * a name from ENAMDICT wins only where the word is hardly anything
    else: its common senses have at most NAME_MAX_COMMON tagged
    occurrences, WordNet knows it as a name or not at all, and EDICT has
    no everyday entry for it ("john" is a name; "bill", "rose", "apple"
    and "lion" stay words);
  * where WordNet has no count for any reading, the noun or adjective that
    EDICT gives stays, as it did before verbs had readings.

The engine applies the noun file before the adjective file and lets a noun
line take the key with "s" too, so the files must agree with the choice:
a noun's plural that is mostly something else ("does", "leaves") gets a
line of its own at the top of noun.txt, which runs before the noun's.
"""

import re

from . import context_senses, core_words, grammar, idioms, technical, verbs
from .choosing import MAX_SCORE
from .conjugate import Verb
from .edict import KEY_WIDTH, encodable
from .english import comparison_forms, plural, verb_forms
from .exclusions import BUILT_IN, NUMBER_WORDS, holds_phrase
from .names import choose_name, demonyms

# Where WordNet counts neither the noun nor the adjective reading of a key,
# the one EDICT's scores preferred gets this much weight to win by.
EDICT_PREFERENCE = 0.01
# Adjectives up to this length take "-er" and "-est"; longer ones take
# "more" and "most", unless WordNet lists a form ("happier").
COMPARISON_MAX_LENGTH = 6
# The share of an adjective's occurrences in the comparative and the
# superlative, to weigh them against other readings ("number" is not more
# "numb").
COMPARISON_SHARE = {"er": 0.1, "est": 0.05}
# Tagged occurrences as a common word under which a name may take a word.
NAME_MAX_COMMON = 2
# Verbs with fewer tagged occurrences in WordNet get no forms: too rare to
# be worth a line, and their counts too small to weigh against a noun.
VERB_MIN_COUNT = 1
# "to" + verb and "have" + participle keys for the verbs met at least
# this often. Every key with a space once cost the filter time at each
# "to" and "have" of a text (with all verbs of ten occurrences a quarter
# longer on a megabyte of English, so the keys were kept to the 250 verbs
# met sixty times); the engine that finds rules by their first two words
# takes them for 1.006 to 1.05 times the CPU time of the 250 (two runs of
# 9 and 11 on a megabyte of manual pages and Emma), and "to examine", "to
# skip" no longer read その対象はが調べるのは ("its target is: what ...
# examines is").
TWO_WORD_MIN_COUNT = 10


# A noun that takes する (訪問 "visit", 約束 "promise") weighs this many
# times its count against the verb spelt alike: it reads right where the
# English word is the verb too (私訪問彼 for "I visit him"), while the
# verb's topic phrase garbles the noun (一つのが訪れるのは for "a visit").
VERBAL_NOUN_WEIGHT = 2.0


def verbal_noun(key, value, best):
    """True when the key's noun rendering is a noun that takes する."""
    return any(c.value == value and "vs" in c.pos
               for c in best["nouns"].get(key, ()))


# A noun or adjective whose best EDICT candidate scores this well (a
# common entry, glossed with the word in its first senses) is an everyday
# word, which no name takes (see everyday).
EVERYDAY_SCORE = 4.0


# A count and a noun ("two groups", "ten thousand") are an EDICT gloss of
# a word that writes a number (二部 "two copies", 万 "ten thousand", 両面
# "two sides"); one that writes none is a later sense of another word (紅白
# "red and white" for "two groups"), and reads better word by word (二
# グループ), which says what the text says.
NUMERAL_WORDS = {"one", "two", "three", "four", "five", "six", "seven",
                 "eight", "nine", "ten", "hundred", "thousand"}
NUMERAL_CHARACTERS = set("一二三四五六七八九十百千万億兆割両双１２３４５６７８９０")


def counts_its_number(spelling, value):
    """False for a count and a noun whose rendering writes no number
    ("two groups" 紅白); True for any other key."""
    words = spelling.split()
    if len(words) < 2 or words[0] not in NUMERAL_WORDS:
        return True
    return any(c in NUMERAL_CHARACTERS for c in value)


class Reading:
    def __init__(self, weight, value, kind, word):
        self.weight, self.value, self.kind, self.word = \
            weight, value, kind, word

    def rank(self):
        # Heaviest first; among equals the noun, then the adjective, then
        # the verb; then the word it belongs to, for a stable order.
        order = {"noun": 0, "plural": 0, "adj": 1, "verb": 2}
        return (-self.weight, order[self.kind], self.word, self.value)


def common_count(wordnet, word):
    return sum(wordnet.count(word, p) for p in "nvar")


def build(nouns, adjectives, best, wordnet, freedict, names,
          slang=frozenset(), freq=None, places=None):
    """The rules of noun.txt and adjective.txt, in file order, as lists of
    (key, value). places maps the names of places and of no person to
    their spellings as places, among which Japanese text's frequencies
    choose (names.choose_name); a
    person's keeps the sources' order: Japanese text writes the Mary of
    the Bible (マリア) far more than an English Mary (メアリー)."""
    check_core_nouns(best["nouns"])
    core = dict(core_words.CORE_WORDS)
    core_phrases = dict(core_words.CORE_PHRASES)
    readings = {}

    def add(spelling, reading):
        if spelling in core or spelling in core_phrases \
                or len(spelling) > KEY_WIDTH or holds_phrase(spelling):
            return
        if any(w in BUILT_IN for w in spelling.split()) \
                and not spelling.startswith(("to ", "have ", "had ")):
            return
        if not counts_its_number(spelling, reading.value):
            return
        readings.setdefault(spelling, []).append(reading)

    # Both the noun and the adjective reading of a key compete, whichever
    # EDICT made the better candidate; where WordNet counts neither, the
    # one EDICT preferred wins by EDICT_PREFERENCE.
    # (The core's nouns are keys however their EDICT entry scored: a
    # loanword WordNet never met, "programmer", may be the word.)
    for key in sorted(set(nouns) | set(adjectives)
                      | set(core_words.CORE_NOUNS)):
        noun = core_words.CORE_NOUNS.get(key) or nouns.get(key)
        if noun is None and key in best["noun"] \
                and best["noun"][key].base <= MAX_SCORE:
            noun = best["noun"][key].value
        adj = adjectives.get(key)
        if adj is None and key in best["adj"] and key not in NUMBER_WORDS \
                and best["adj"][key].base <= MAX_SCORE:
            adj = best["adj"][key].value
        if noun is not None:
            count = wordnet.count(key, "n")
            if verbal_noun(key, noun, best):
                count *= VERBAL_NOUN_WEIGHT
            add(key, Reading(verbs.NOUN_SHARE["singular"] * count
                             + EDICT_PREFERENCE * (key in nouns), noun,
                             "noun", key))
            # The form with "s" is the noun line's own second pattern; it
            # is a reading here only to be weighed against what else it
            # may be.
            # A two-word key's plural in "s" needs no reading: no other word
            # is spelt so, and the noun line takes it.
            forms = {plural(key)} if plural(key) and (
                " " not in key or plural(key) != key + "s") else set()
            if " " not in key and not key.endswith("s"):
                forms.add(key + "s")
            for form in sorted(forms):
                if form != key:
                    add(form, Reading(verbs.NOUN_SHARE["plural"] * count,
                                      noun, "plural", key))
        if adj is not None:
            weight = wordnet.count(key, "a") + wordnet.count(key, "r")
            add(key, Reading(weight + EDICT_PREFERENCE * (key in adjectives),
                             adj, "adj", key))
    # Comparatives and superlatives of the adjectives with their own "-er"
    # (short words, or those WordNet lists a form for): より速い, 最も速い.
    compared = wordnet.irregular_by_base("a")
    for key, value in sorted(adjectives.items()):
        count = wordnet.count(key, "a")
        if " " in key or not count or not (
                len(key) <= COMPARISON_MAX_LENGTH or key in compared):
            continue
        forms = comparison_forms(key, compared.get(key, []))
        for degree, prefix in (("er", "より"), ("est", "最も")):
            for form in forms[degree]:
                add(form, Reading(COMPARISON_SHARE[degree] * count,
                                  prefix + value, "adj", key))
    verb_table = {}
    passive_verbs = {}
    verb_readings = verbs.verb_readings(wordnet, best["verbs"], freedict,
                                        VERB_MIN_COUNT, freq,
                                        best.get("vs_nouns"), verb_table,
                                        passive_verbs)
    for spelling, found in sorted(verb_readings.items()):
        for weight, value, base, form in found:
            if form in ("to", "perfect") and \
                    wordnet.count(base, "v") < TWO_WORD_MIN_COUNT:
                continue
            add(spelling, Reading(weight, value, "verb", base))

    chosen = {}
    for spelling, found in sorted(readings.items()):
        found.sort(key=Reading.rank)
        chosen[spelling] = found[0]
    # Names, where the word is hardly anything else.
    for key, spellings in sorted(names.items()):
        if key in core or key in BUILT_IN or not 3 <= len(key) <= KEY_WIDTH:
            continue
        if common_count(wordnet, key) > NAME_MAX_COMMON:
            continue
        # Only names that one of the English sources knows as a name: the
        # rest of ENAMDICT's sixty thousand spellings are names too rare
        # to be worth a line each.
        named = any(capitalised(wordnet, key)) or \
            bool(freedict.senses(key, "name"))
        if not named:
            continue
        other = chosen.get(key)
        if other and other.weight > NAME_MAX_COMMON:
            continue
        if other and other.kind in ("noun", "adj") and everyday(key, best):
            # WordNet's counts are too sparse to tell "apple" or "lion"
            # from a name (each met once or twice); EDICT's everyday
            # entry (りんご, 獅子) says it is a word. Names still take
            # words that EDICT has only as slang or rare ("john").
            continue
        if edict_place(key, nouns, best):
            # EDICT's common entry spells the place as Japanese writes it
            # (東京, not ENAMDICT's トウキョウ).
            value = nouns[key]
        else:
            value = choose_name(key, spellings, freedict,
                                freq if places and key in places else None,
                                (places or {}).get(key, ()))
        if value and value not in slang:
            chosen[key] = Reading(0, value, "name", key)
    # Places and the like that ENAMDICT lacks but FreeDict names and WordNet
    # knows only as names (Brussels ブリュッセル, Beijing 北京, Scotland),
    # where nothing else reads the word: FreeDict's first translation, in
    # katakana or a short kanji name.
    for key, value in sorted(freedict_names(freedict, wordnet).items()):
        if key in chosen or key in names or key in core or key in BUILT_IN \
                or not 3 <= len(key) <= KEY_WIDTH or value in slang \
                or common_count(wordnet, key) > NAME_MAX_COMMON:
            continue
        chosen[key] = Reading(0, value, "name", key)
    # The adjectives of peoples and places (american, roman), which EDICT
    # glosses only with a capital, under the same conditions.
    for key, value in sorted(demonyms(freedict).items()):
        if key in core or key in BUILT_IN or len(key) > KEY_WIDTH:
            continue
        other = chosen.get(key)
        if common_count(wordnet, key) > NAME_MAX_COMMON or (
                other and other.kind != "name"
                and other.weight > NAME_MAX_COMMON):
            continue
        chosen[key] = Reading(0, value, "name", key)
    languages(chosen, verb_table, freedict)
    today(chosen, verb_table, wordnet)
    # A spelling read as a verb is a noun after an article or a
    # possessive ("the use of" その使用, not そのが使うのは).
    nouns_of_verbs = {}
    for spelling, found in readings.items():
        own = chosen.get(spelling)
        if own is None or own.kind != "verb" or " " in spelling:
            continue
        noun = [r for r in found if r.kind == "noun"]
        if noun and wordnet.count(spelling, "n") \
                >= context_senses.NOUN_AFTER_DETERMINER_MIN_COUNT:
            nouns_of_verbs[spelling] = noun[0].value
    for key, value in context_senses.determiner_noun_lines(nouns_of_verbs):
        if key not in chosen and key not in core_phrases:
            chosen[key] = Reading(TECHNICAL_WEIGHT, value, "noun", key)
    # The auxiliaries read with the verb after them, or with an
    # adjective or a noun after "is not" (its rendering from the chosen
    # readings).
    adjective_table = {}
    for key, r in chosen.items():
        if r.kind == "adj" and " " not in key:
            adjective_table[key] = (r.value, wordnet.count(key, "a"))
    for key, value in core_words.parse(core_words.ADJECTIVES):
        adjective_table[key] = (value, wordnet.count(key, "a"))
    plain_adjectives = set(adjective_table)
    # Words mostly read otherwise that are adjectives after a copula too
    # ("late" 遅い, "ready" 用意ができた): grammar.py keys those whose
    # rendering reads as an adjective.
    for key, value in list(core.items()) + [(k, r.value)
                                            for k, r in chosen.items()]:
        if key not in adjective_table and " " not in key \
                and wordnet.count(key, "a"):
            adjective_table[key] = (value, wordnet.count(key, "a"))
    noun_table = {key: (r.value, wordnet.count(key, "n"))
                  for key, r in chosen.items()
                  if r.kind == "noun" and " " not in key}
    irregular = wordnet.irregular_by_base("v")

    def forms_of(verb):
        if verb in verb_table:
            return verb_table[verb][2]
        return verb_forms(verb, irregular.get(verb, []))
    grammar_verbs = {b: t for b, t in verb_table.items()
                     if t[0] is not None or b in grammar.BUILT_IN_VERBS}
    grammar_rules = grammar.build(grammar_verbs, adjective_table,
                                  noun_table, passive_verbs)
    grammar_rules = with_phrasal_verbs(grammar_rules,
                                       idioms.auxiliary_lines(forms_of))
    # The same verbs for the senses a neighbour decides ("you may go"),
    # with the built-in table's verbs as grammar.py renders them.
    keyed_verbs = {}
    for base, (verb, transitive, forms, count) in grammar_verbs.items():
        if base in grammar.BUILT_IN_VERBS:
            verb = grammar.BUILT_IN_VERBS[base]
            transitive = base in grammar.TRANSITIVE_BUILT_IN
        elif count < grammar.MIN_COUNT or base in grammar.NOT_KEYED:
            continue
        keyed_verbs[base] = (verb, transitive, forms, count)
    # The adjectives and adverbs "so" is the degree of ("so happy").
    degrees = [(key, r.value, wordnet.count(key, "a")
                + wordnet.count(key, "r"))
               for key, r in chosen.items()
               if r.kind == "adj" and " " not in key]
    degrees += [(key, value, wordnet.count(key, "a")
                 + wordnet.count(key, "r"))
                for key, value in core_words.parse(core_words.ADJECTIVES)
                + core_words.parse(core_words.ADVERBS)
                if "…" not in value]
    read_as_verb = {key for key, r in chosen.items() if r.kind == "verb"} \
        | set(grammar.BUILT_IN_VERBS)
    def pairs(base, headword, klass, transitive, keep):
        """The keys grammar.py made of a verb, read once with the sources'
        verb and once with headword: (the one value, the other) wherever
        they differ and keep(the sources' value) holds."""
        if base not in grammar_verbs or base in grammar.BUILT_IN_VERBS:
            return []
        verb, own_transitive, forms, count = grammar_verbs[base]
        own = dict(grammar.build({base: (verb, own_transitive, forms,
                                         count)}, adjective_table))
        other = dict(grammar.build({base: (Verb(headword, klass),
                                           transitive, forms, count)},
                                   adjective_table))
        return sorted({(own[k], other[k]) for k in own if k in other
                       and own[k] != other[k] and keep(own[k])})
    # The verbs whose object gives their sense ("can play"): where a value
    # differs, the one reads as the other before the object's placeholder.
    auxiliary_pairs = []
    for base, placeholder, headword, klass in sorted(
            context_senses.OBJECT_SENSES):
        auxiliary_pairs += [
            (placeholder, old, new) for old, new in pairs(
                base, headword, klass, True,
                lambda value: not value.startswith("〓"))]
    # The verbs that take no object ("won't open" 開けないのは, 開かない):
    # only the active forms, whose rendering ends in のは; the passive
    # keeps the sources' verb.
    def active(value):
        return value.endswith("のは")
    intransitive_pairs = []
    for base, (headword, klass) in sorted(
            context_senses.VERBS_WITHOUT_OBJECT.items()):
        intransitive_pairs += pairs(base, headword, klass, False, active)
    long_pairs = pairs(context_senses.LONG[0], "掛かる", "v5r", False,
                       active)
    before_grammar, after_grammar = context_senses.build(
        keyed_verbs, forms_of, degrees, read_as_verb, auxiliary_pairs,
        lambda noun: noun_table.get(noun, (None,))[0], intransitive_pairs,
        long_pairs)
    # The relative pronouns take the place of the core's question words.
    core.update(idioms.RELATIVES)
    def plain(spelling):
        # How a word reads alone: its own line, or that of the noun whose
        # plural it is.
        own = chosen.get(spelling) or chosen.get(spelling[:-1])
        return own.value

    # The verbs' base and -s forms that a noun takes ("lives" 人生, "work"
    # and "works" 仕事), read as the verb after a relative pronoun.
    def read_as_noun(spelling):
        # Its own reading, or the line of a noun that takes it as plural.
        own, singular = chosen.get(spelling), chosen.get(spelling[:-1])
        return (own is not None and own.kind in ("noun", "plural")) or (
            spelling.endswith("s") and singular is not None
            and singular.kind == "noun")
    noun_like_verbs = []
    for base, (verb, transitive, forms, _) in sorted(keyed_verbs.items()):
        if not isinstance(verb, Verb):
            continue
        values = verbs.renderings(verb, transitive)
        for form in ("base", "s"):
            for spelling in forms.get(form, ()):
                if spelling.isalpha() and read_as_noun(spelling):
                    noun_like_verbs.append((spelling, values[form], form))
    # "that", "who", "which" and "whom" after these open a relative or
    # reported clause (idioms.py):
    # the nouns met in WordNet's tagged texts, today's technical nouns,
    # and the core's pronouns that a relative clause follows.
    nouns_before_relative = [(key, value) for key, (value, count)
                         in noun_table.items()
                         if key.isalpha() and (
                             count >= RELATIVE_NOUN_MIN_COUNT
                             or key in technical.TECHNICAL_NOUNS)]
    nouns_before_relative += [(key, core[key]) for key in PRONOUNS_BEFORE_RELATIVE
                          if key in core]
    # The nouns an agent phrase reads ("by the police"): those
    # grammar.py's keys already have after a placeholder, so that they add
    # lines but no word the filter must pair anew; the core's words ("no")
    # have lines of their own before these.
    agents = [(key, value) for key, (value, count) in noun_table.items()
              if key.isalpha() and count >= AGENT_MIN_COUNT
              and key not in core]
    # The reviewed core's nouns too ("by a famous writer" 作家によって):
    # no function word is among them.
    agents += [(key, value) for key, value
               in sorted(core_words.CORE_NOUNS.items())
               if key.isalpha() and wordnet.count(key, "n") >= AGENT_MIN_COUNT
               and core.get(key) == value]
    # The adjectives that may stand between its article and its noun ("by
    # a young musician"), by the same measure.
    agent_adjectives = [(key, value) for key, (value, count)
                        in adjective_table.items()
                        if key.isalpha() and count >= AGENT_MIN_COUNT
                        and key in plain_adjectives]
    return layout(chosen, core, core_phrases,
                  before_grammar + grammar_rules + after_grammar,
                  idioms.build(forms_of, noun_like_verbs, plain,
                               nouns_before_relative, agents,
                               agent_adjectives, [(k, r.value) for k, r
                                                  in chosen.items() if " " in k],
                               wordnet.first_noun_files()))


# A noun this often in WordNet's tagged texts gets a line for each
# relative pronoun after it; such a line's second word is one that other
# keys already have, so they cost the filter lines, not time.
RELATIVE_NOUN_MIN_COUNT = 1
AGENT_MIN_COUNT = 10
PRONOUNS_BEFORE_RELATIVE = ("something", "anything", "everything", "someone",
                        "anyone", "everyone", "one", "those")


# Heavier than any reading a count gives: the technical list decides.
TECHNICAL_WEIGHT = 1e9


def today(chosen, verb_table, wordnet):
    """Today's senses (technical.py) take their words, whatever else
    they may be: the nouns with their plurals, every form of the verbs,
    and the computing phrases ("log in", "logged in", "logs in")."""
    nouns = dict(technical.TECHNICAL_ACRONYMS)
    nouns.update(technical.TECHNICAL_NOUNS)
    # The everyday senses, and the technical one where a neighbour gives
    # it ("new window" 新しいウィンドウ, "window" 窓).
    nouns.update(technical.EVERYDAY_NOUNS)
    nouns.update(technical.TECHNICAL_CONTEXT_NOUNS)
    for key, value in sorted(nouns.items()):
        chosen[key] = Reading(TECHNICAL_WEIGHT, value, "noun", key)
        form = plural(key)
        # A two-word key's plural in "s" is the noun line's own.
        if form and form != key and len(form) <= KEY_WIDTH \
                and not (" " in key and form == key + "s"):
            chosen[form] = Reading(TECHNICAL_WEIGHT, value, "plural", key)
    core_words_dict = dict(core_words.CORE_WORDS)
    for base in sorted(technical.TECHNICAL_VERBS):
        verb, transitive, forms_of, _ = verb_table[base]
        values = verbs.renderings(verb, transitive)
        for form in verbs.FORM_ORDER:
            for spelling in forms_of[form]:
                # The core's own words stay ("debugging" デバッグ).
                if spelling.isalpha() and spelling not in \
                        technical.TECHNICAL_NOUNS \
                        and spelling not in core_words_dict and (
                            chosen.get(spelling) is None
                            or chosen[spelling].weight < TECHNICAL_WEIGHT):
                    chosen[spelling] = Reading(TECHNICAL_WEIGHT,
                                               values[form], "verb", base)
        chosen["to " + base] = Reading(TECHNICAL_WEIGHT, values["to"],
                                       "verb", base)
    irregular = wordnet.irregular_by_base("v")
    for phrase, (headword, klass) in sorted(
            technical.TECHNICAL_PHRASES.items()):
        head, particle = phrase.split()
        values = verbs.renderings(Verb(headword, klass), False)
        forms_of = verb_forms(head, irregular.get(head, []))
        for form in ("base", "s", "past", "ing"):
            for spelling in forms_of[form]:
                # The plural marker stands after a form in "s".
                word = spelling + (" " + grammar.PLURAL_MARKER
                                   if spelling.endswith("s") else "")
                key = "%s %s" % (word, particle)
                if len(key) <= KEY_WIDTH:
                    chosen[key] = Reading(TECHNICAL_WEIGHT, values[form],
                                          "verb", head)
        # "to log in", "to connect to": the infinitive, as "to" + a verb
        # reads (接続すること), before the phrase's own line takes the
        # words after "to".
        for spelling in forms_of["base"]:
            key = "to %s %s" % (spelling, particle)
            if len(key) <= KEY_WIDTH:
                chosen[key] = Reading(TECHNICAL_WEIGHT, values["to"],
                                      "verb", head)


# The languages met in the manual pages (names n to z), their packages'
# READMEs and three of Austen's novels, written with a capital, that
# FreeDict gives an adjective of a people for (French フランスの): after a
# verb of speaking or learning, "in", "into" or before "language" they are
# the language (フランス語). "English" is 英語 everywhere already, and
# "Japanese" is the built-in table's (context_senses.py).
LANGUAGES = ("arabic", "czech", "dutch", "estonian", "french", "german",
             "hebrew", "irish", "italian", "latin", "polish", "portuguese",
             "russian", "serbian", "spanish")
LANGUAGE_VERBS = ("speak", "learn", "study", "read", "write", "understand",
                  "teach")
LANGUAGE_AFTER = {"in": "で", "into": "に"}
LANGUAGE_SUFFIX = "語"


def language_of(key, freedict):
    """The Japanese name of the language that the adjective of a people
    names, or None: FreeDict's translation in 語 that is the place's name
    and 語 (フランス語, not the short 仏語), else none."""
    adjective = demonyms(freedict).get(key)
    if adjective is None:
        return None
    place = adjective[:-1]
    entry = freedict.entries.get(key.capitalize(), {})
    given = {t for senses in entry.values() for sense in senses
             for t in sense}
    language = place + LANGUAGE_SUFFIX
    return language if language in given else None


def language_keys(verb_table):
    """(English words before a language, their Japanese): the language
    verbs' forms that grammar.py leaves to the dictionaries (without a
    pronoun before them, and not in "s", whose plural marker would make
    the key too long), and the prepositions."""
    before = dict(LANGUAGE_AFTER)
    for base in LANGUAGE_VERBS:
        if base not in verb_table:
            continue
        verb, _, forms, _ = verb_table[base]
        values = verbs.renderings(verb, True)
        for form in ("base", "past", "ing"):
            for spelling in forms.get(form, ()):
                # "read" is its own past: the present's line.
                if spelling.isalpha() and not spelling.endswith("s"):
                    before.setdefault(spelling, values[form])
    return sorted(before.items())


def languages(chosen, verb_table, freedict):
    """The keys that read a language as the language where a neighbour
    says so ("speak french" 話すフランス語, "in french" フランス語で,
    "french language" フランス語)."""
    for key in LANGUAGES:
        language = language_of(key, freedict)
        if language is None:
            continue
        lines = [(key + " language", language)]
        for word, japanese in language_keys(verb_table):
            if word in LANGUAGE_AFTER:
                lines.append((word + " " + key, language + japanese))
            else:
                lines.append((word + " " + key, japanese + language))
        for k, value in lines:
            if len(k) <= KEY_WIDTH:
                chosen[k] = Reading(TECHNICAL_WEIGHT, value, "noun", k)


FREEDICT_NAME_RE = re.compile(r"^(?:[\u30a1-\u30fa\u30fc]+|[\u4e00-\u9fff]{1,3})$")


def freedict_names(freedict, wordnet):
    """Lowercased name -> FreeDict's first translation of it, for the
    capitalised headwords that WordNet has only as names."""
    found = {}
    for headword in sorted(freedict.entries):
        senses = freedict.entries[headword].get("name")
        if not senses or not senses[0] \
                or not re.fullmatch(r"[A-Z][a-z]+", headword):
            continue
        key = headword.lower()
        if wordnet.has(key, "n") and wordnet.only_names(key) \
                and FREEDICT_NAME_RE.match(senses[0][0]) \
                and encodable(senses[0][0]):
            found[key] = senses[0][0]
    return found


def edict_place(key, nouns, best):
    """True when the key's noun is the proper noun of an EDICT common
    entry ("Tokyo" 東京), which choosing.choose let through as a place,
    a faith or the like."""
    proper = best.get("proper", {}).get(key)
    return proper is not None and nouns.get(key) == proper.value


def everyday(key, best):
    """True when EDICT has the key as an everyday noun or adjective: a
    common entry glossed with it in its first sense."""
    return any(key in best[role] and best[role][key].base <= EVERYDAY_SCORE
               for role in ("noun", "adj"))


def check_core_nouns(candidates):
    """Every noun of the reviewed core must be one of EDICT's candidates
    for its key: the core picks among the sources, it adds no words."""
    for key, value in sorted(core_words.CORE_NOUNS.items()):
        if value not in {c.value for c in candidates.get(key, ())}:
            raise ValueError("core noun %s = %s is no EDICT candidate"
                             % (key, value))


def capitalised(wordnet, key):
    """For each noun sense of the word, whether WordNet writes it with a
    capital there."""
    from .wordnet import is_name
    return [is_name(key, words) for _, words, _ in wordnet._senses(key, "n")]



def with_phrasal_verbs(grammar_rules, phrasal_lines):
    """grammar_rules with each phrasal verb's line after an auxiliary's
    placeholder put right before the first line that takes its verb after
    that placeholder ("〓否 give up" before "〓否 give"), or else before the
    placeholder's fallback: so every line that joins the placeholder to
    another ("〓否 〓欲", "don't want to") has acted first."""
    first = {}
    for i, (key, _) in enumerate(grammar_rules):
        words = key.split()
        first.setdefault(tuple(words[:2]), i)
    before = {}
    for key, value in phrasal_lines:
        words = key.split()
        at = min(first.get(tuple(words[:2]), len(grammar_rules)),
                 first.get((words[0],), len(grammar_rules)))
        if at == len(grammar_rules):
            raise ValueError("a phrasal verb after a placeholder no grammar "
                             "line reads: " + key)
        before.setdefault(at, []).append((key, value))
    merged = []
    for i, line in enumerate(grammar_rules):
        merged += before.get(i, [])
        merged.append(line)
    return merged


def layout(chosen, core, core_phrases, grammar_rules=(), idiom_rules=()):
    """Split the chosen readings between the two files and order them.

    noun.txt: first every key with a space (the core's two-word keys, the
    "to" + verb keys, two-word nouns), since a single word's line would
    take its words first; then the spellings that look like a noun's
    plural but are read otherwise ("does", "leaves"), which must run
    before that noun's line; then lexical plurals ("glasses") before their
    singular; then the nouns, each with a line for an irregular plural.
    adjective.txt: every other single word.

    Before all of these come grammar_rules, the auxiliaries read with
    their verb (grammar.py), which must meet "do not" and "will" before
    any other line takes a word of theirs; a single-word auxiliary whose
    plural is a word of its own ("cans", "wills") gets that word's line
    before it, since a noun line takes the key with "s" too. Right after
    them come idiom_rules (idioms.py), the expressions and phrasal verbs,
    before every key of a single word they hold and before the two-word
    keys ("to give") that would take a word of theirs ("to give up")."""
    first_keys = {k for k, _ in grammar_rules} | {k for k, _ in idiom_rules}
    chosen = {k: r for k, r in chosen.items() if k not in first_keys}
    core = {k: v for k, v in core.items() if k not in first_keys}
    core_phrases = {k: v for k, v in core_phrases.items()
                    if k not in first_keys}
    shielded = []
    for key in sorted(grammar.auxiliary_words()):
        form = key + "s"
        if form in chosen:
            shielded.append((form, chosen.pop(form).value))
        elif form in core:
            shielded.append((form, core.pop(form)))
    # The shields go after the auxiliaries of two words ("can not") and
    # before the first of one word ("can").
    grammar_rules = list(grammar_rules)
    at = next((i for i, (k, _) in enumerate(grammar_rules)
               if k in grammar.auxiliary_words()), 0)
    grammar_rules[at:at] = shielded
    # A noun whose "s" form is a built-in word ("wa" and "was") would take
    # that word from the built-in rule.
    noun_keys = sorted(s for s, r in chosen.items()
                       if r.kind == "noun" and " " not in s
                       and s + "s" not in BUILT_IN)
    noun_set = set(noun_keys)
    stolen = set()
    for key in noun_keys:
        form = key + "s"
        r = chosen.get(form)
        if r is not None and not (r.kind == "plural" and r.word == key):
            stolen.add(form)
    for key in sorted(core):
        if key.endswith("s") and key[:-1] in noun_set:
            stolen.add(key)
    plural_lines = {}
    for s, r in chosen.items():
        # An irregular plural ("children"), or the plural of a noun whose
        # singular is mostly a verb or an adjective but whose plural is
        # still mostly the noun's ("walk" is a verb, "walks" the noun's
        # plural; "right" is an adjective, "rights" the noun's). Only the
        # true plural: "lilys" is no spelling of "lilies". A noun that
        # lost to an adjective and that WordNet never met as a noun
        # ("worthless") has no plural worth a line.
        if r.kind != "plural" or " " in s or s != plural(r.word):
            continue
        singular = chosen.get(r.word)
        if (r.word in noun_set and s != r.word + "s") or (
                r.word not in noun_set and singular is not None
                and (singular.kind == "verb"
                     or singular.kind == "adj" and r.weight > 0)):
            plural_lines[s] = r.value
    spaced = dict(core_phrases)
    for s, r in chosen.items():
        if " " in s:
            spaced[s] = r.value
    # More words first: a key before any key it holds ("to connect to"
    # before "connect to").
    first = [(k, spaced[k]) for k in sorted(spaced,
                                            key=lambda k: (-len(k.split()), k))]
    value_of = dict((k, r.value) for k, r in chosen.items())
    value_of.update(core)
    guards = [(k, value_of[k]) for k in sorted(stolen)]
    lexical = sorted(k for k in noun_keys if k.endswith("s")
                     and k[:-1] in noun_set and k not in stolen)
    rest = [k for k in noun_keys if k not in lexical and k not in stolen]
    # An expression that holds a word the auxiliaries key alone ("by no
    # means" holds "no") goes before them, or that word's line takes it.
    alone = {k for k, _ in grammar_rules if " " not in k}
    holds_alone = [(k, v) for k, v in idiom_rules
                   if not k.startswith("〓") and alone & set(k.split())]
    idiom_rules = [line for line in idiom_rules if line not in holds_alone]
    noun_rules = holds_alone + grammar_rules + list(idiom_rules) + first + guards + [(k, chosen[k].value) for k in lexical] \
        + [(k, chosen[k].value) for k in rest] \
        + [(k, v) for k, v in sorted(plural_lines.items())
           if k not in noun_set and k not in stolen]
    taken = set(k for k, _ in noun_rules)
    words = {k: v for k, v in core.items() if k not in taken}
    for s, r in chosen.items():
        if s in taken or " " in s or r.kind in ("noun", "plural"):
            continue
        words[s] = r.value
    adjective_rules = [(k, words[k]) for k in sorted(words)]
    return noun_rules, adjective_rules
