"""Generate the shipped dictionaries data/noun.txt, data/adjective.txt and
data/rome.txt from Debian packages alone.

Every frequent English word gets a rendering in the built-in style:
nouns and adjectives from EDICT; verbs in all their forms as topic
phrases (" saw " is が見たのは); pronouns, prepositions, modals, negation
and the pieces of contractions from a reviewed core; names from ENAMDICT.
rome.txt is written out from the hand-made table in rome_rules.py.

The sources and what each decides:

  EDICT (edict)        the Japanese: every gloss of every entry, read
                       backwards, is a candidate rendering of its English
                       word; a verb's conjugation class and transitivity
  FreeDict eng-jpn     written from the English side: a candidate that it
    (dict-freedict-    also gives for the word wins ties (two independent
     eng-jpn)          sources agreeing)
  WordNet 3.0          which reading of a spelling is the frequent one:
    (wordnet-base)     "hit" is mostly a verb, "disk" a noun, "does" a
                       form of "do" and not the plural of "doe"; which
                       verbs take an object (のは); irregular forms
  ENAMDICT (enamdict)  the katakana of names that an English source knows
                       as names (london ロンドン, john ジョン)
  libkkc-data          how often a Japanese word is written: the last
                       tie-break among EDICT's nouns; nothing of it is
                       copied into the files
  idioms.py            the idioms and phrasal verbs English uses most
                       (WordNet's multi-word lemmas by tagged count, and
                       the technical texts' counts), reviewed; relative
                       pronouns
  prepositions.py      prepositions read after their noun, as particles
                       ("in the house" その家で), for the nouns above
  core_words.py        English's closed-class words, which no source
                       decides, and the EDICT entry to use for the most
                       frequent nouns and verbs where the sources choose
                       another (chosen by WordNet's counts)

The same packages always give byte-identical files: nothing here depends
on dictionary iteration order, hashing, the locale or the clock.

Usage:
    tools/make_dictionaries.py [--edict PATH] [--enamdict PATH]
        [--freedict DIR] [--wordnet DIR] [--kkc DIR | --no-kkc]
        [--out-dir DIR]

Which reading a spelling gets
-----------------------------
A spelling may be a noun, an adjective, a form of a verb and a name. Each
reading weighs WordNet's tagged count of its word times the share of the
form in running text (a verb's base form 0.35, its past 0.22, ...; a
noun's singular 0.7, its plural 0.3; a noun that takes する counts twice,
since 訪問 reads right for "visit" the verb too); the heaviest wins
(vocabulary.py).
The core always wins; a name only where the word is hardly anything else.

Verbs (verbs.py): the forms come from the base by the spelling rules and
WordNet's irregular forms; the Japanese verb is EDICT's best candidate for
"to VERB", one of the same transitivity as the English verb where it can
be; a little behind stand verbs glossed with a preposition ("to arrive
at" 着く), and nouns that take する glossed with the verb's base (旅行), or
with the noun WordNet derives from it or its gerund (到着 "arrival", 無視
"ignoring"); among those close to the best the one whose stem libkkc's
model sees most wins (振る for "swing"). It is
conjugated by its EDICT class (conjugate.py): base and -s が+dictionary
form, past が+past, -ing が+te-form+いる, each with のは for a verb with an
object; a participle spelt apart from the past is the passive past (書か
れた); "to" + verb is the dictionary form + こと; "have" + participle the
past.

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
          cost nothing; or a gloss spelt like the loan's source word
          ("button (por:)" for ボタン, but "fond (fre:)" for フォン)
    +3    the headword is in katakana: a native word is preferred over a
          loanword wherever one is common enough to compete
    +6    archaic, obsolete, rare, slang, vulgar, derogatory or
          irregular-spelling markings (those of the kanji alone, such as
          ateji, not where the rendering is the kana: 珈琲 is コーヒー)
    +1    a register marking (humble, honorific, colloquial, ...), or a
          form of address such as 母さん
    +2    a specialised field (baseball, mathematics, sumo, ...)
    +2    an abbreviation
    +1    mostly a part of compounds (noun suffix or prefix)
    +1    the kana spelling of a word that also has a kanji form ("(uk)")
    +1    the gloss is the plural of the key
    +1    a noun that takes する glossed with an -ing noun: it names the
          action (建造 "building"), the English noun mostly the thing
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
    FreeDict's agreement: FREEDICT_FIRST points off where FreeDict gives
        the candidate as its first translation of the word,
        FREEDICT_FIRST_SENSE or FREEDICT_LATER_SENSE where it gives it at
        all (its senses come in no reliable order, so the difference is
        small). This is what makes 妻 "wife" rather than 女房, 空 "sky"
        rather than 天, 車 "car" rather than カー.

Among the candidates left within FREQ_WINDOW points of the best after
these bonuses, the word's frequency in running text decides: each loses
FREQ_WEIGHT points per factor of ten by which its headword, with the
entry's reading, is rarer in libkkc's unigram model than the most frequent
of them (at most FREQ_CAP). Counting by reading tells 町 [まち] "town" from
the address ward 町 [ちょう]. Adjectives are not weighed so, since the
model counts inflected words by their stems (verbs are, by their stems,
in verbs.py). The window is narrow because the
count is of the word in all its senses: 夜 "evening; night" is more
frequent than 晩, but is not the word for "evening". So the count is
also cut to the sense's share of the entry (sense i weighs 1/(i+1), a
field's sense a quarter of that): 間 is a room, a while and an interval,
間隔 only the interval. A headword the model does not know is mostly a
compound it splits (十年 "decade", 重要性), so it loses at most
FREQ_UNKNOWN. On 100 held-out common nouns the frequency raised agreement
with learners' dictionaries from 72 to 76; on the 200 nouns the other
weights were tuned on it cost 2.

Ties are then broken by the rendering, its reading and its line in EDICT.

The rendering is the headword, or its kana reading where the sense is
marked "(uk)" (usually written in kana). In adjective.txt an adjectival
noun takes the particle it needs before a noun: "quiet" is 静かな, "wooden"
is 木製の.

Which EDICT keys are nouns and adjectives, and which are left out
-----------------------------------------------------------------
A candidate is a noun candidate if its sense is tagged as a noun or
number, and an adjective candidate if its sense is a true adjective
(adj-i, adj-na without noun use, ...), or an adjectival noun glossed with
an English adjective (one that some true adjective is glossed with, or one
with an adjective's ending). A word with a noun's ending ("-ness",
"-ence", "-ity", ...) is never taken for an English adjective, though a
"taru" adjective may be glossed with it (黙然 "muteness; silence"). Both
readings of a key then compete by WordNet's counts with each other and
with the verb forms spelt alike; where WordNet counts none, the adjective
wins if its best candidate scores within ADJECTIVE_MARGIN points of the
best noun candidate. No key is in both files.

Left out are:
  * EDICT's capitalised glosses, but for the days and months and for the
    proper nouns of common entries that WordNet has only as names and
    ENAMDICT as no person's name ("Europe" 欧州, "Christianity" キリスト
    教; not "Jordan", a given name too);
  * the words of the program's built-in word table and capitalised-names
    table (not those of the phrase table, which runs before the
    dictionaries and takes "love" only inside "fell in love with");
  * EDICT's readings of function words, misleading adverbs and irregular
    past tenses (the lists are in exclusions.py, each with the reason it
    exists): the core and the verbs render them;
  * keys whose English word is far more often a verb by EDICT's scores:
    its best verb sense ("to walk") scores at least VERB_MARGIN better
    than its best noun or adjective sense;
  * forms of WordNet's verbs as nouns or adjectives, unless the reading is
    a strong one, a common entry glossed with the word in its first sense
    (meeting 会議, wedding 結婚式), or an -ing word WordNet's texts use as
    a noun at least GERUND_NOUN_MIN_COUNT times; and never from a verbal
    noun glossed with a gerund (拝見 "seeing") unless it is such a noun
    (理解 "understanding");
  * "-ly" adverbs of adjectives, unless EDICT has an adverb for them;
  * plural glosses whose singular is a key, since the singular's line
    covers them, apart from plurals with a meaning of their own (listed,
    or with an entry far better than the singular's: パンツ "pants") and
    plurals of -ing and -ed nouns, whose singular may go to the verb;
  * keys whose best candidate scores above MAX_SCORE (a loanword counted
    without its katakana penalty for a word met in WordNet's tagged
    texts, which would otherwise be spelt out: パケット "packet"), and
    two-word keys from uncommon entries.

Layout of the files
-------------------
Fixed columns, one rule a line: the key left-aligned in characters 1 to 15
and filled with spaces, the Japanese from character 16 on. Code page 932,
CR LF line ends. The dictionaries are applied line by line, and noun.txt
before adjective.txt, so noun.txt begins with "may" of permission ("you
may", "may I"; context_senses.py), then the auxiliaries read with their
verb (grammar.py: "does not" to a placeholder, the placeholder with a
verb or a phrasal verb, the placeholders no verb took back to the old
rendering), then the senses a neighbour decides (context_senses.py: the
placeholder of permission with a verb, "speak Japanese", "the mean"),
then the idioms and phrasal verbs (idioms.py: "after all", "gave up",
"as ％１０００ well" to a placeholder and on, a relative pronoun with
its verb, a noun with the relative pronoun after it, "by the" and its
noun, "in the" and its noun with the particle after it: prepositions.py),
then every other key that holds a
space ("to go", "ice cream"), before the single words they
contain would be replaced; then the spellings that look like a noun's
plural but are read otherwise ("does" before "doe", "leaves" before
"leaf"); then lexicalised plurals ("glasses") before their singular; then
the nouns in alphabetical order, and lines for plurals that do not end in
a bare "s" (cities, knives, children, feet, ...). adjective.txt holds
every other single word in alphabetical order.
"""

import argparse
import os

from . import rome_rules
from .choosing import best_candidates, choose
from .edict import DEFAULT_PATH as DEFAULT_EDICT, parse_edict, slang_headwords
from . import freedict, idioms, technical, verbs, vocabulary
from .kkc import DEFAULT_DIR as DEFAULT_KKC, WordFrequency, import_marisa
from .names import (DEFAULT_PATH as DEFAULT_ENAMDICT, read_names,
                    read_person_names, read_place_names)
from .wordnet import DEFAULT_DIR as DEFAULT_WORDNET, WordNet
from .writing import write

DEFAULT_FREEDICT = freedict.DEFAULT_DIR

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_OUT = os.path.join(ROOT, "data")


# An -ing word that WordNet's tagged texts use this often as a noun is a
# noun in its own right ("understanding", "meeting"), whose verbal noun is
# a rendering (理解, 会合); rarer ones ("seeing") are the verb.
GERUND_NOUN_MIN_COUNT = 3


def gerund_nouns(wordnet):
    return frozenset(w for w in wordnet.lemmas("n")
                     if w.endswith("ing") and w.isalpha()
                     and wordnet.count(w, "n") >= GERUND_NOUN_MIN_COUNT)


def proper_noun(wordnet, people):
    """Which capitalised EDICT glosses may be keys: words WordNet has only
    as names (Europe, Christianity, Buddhism), and no person's name."""
    return lambda key: wordnet.has(key, "n") and wordnet.only_names(key) \
        and key not in people


def main(argv=None):
    parser = argparse.ArgumentParser(
        description=__doc__,
        formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--edict", default=DEFAULT_EDICT,
                        help="EDICT file, EUC-JP (default: %(default)s)")
    parser.add_argument("--enamdict", default=DEFAULT_ENAMDICT,
                        help="ENAMDICT file, EUC-JP (default: %(default)s)")
    parser.add_argument("--freedict", default=DEFAULT_FREEDICT,
                        help="folder of FreeDict's eng-jpn dictd files "
                             "(default: %(default)s)")
    parser.add_argument("--wordnet", default=DEFAULT_WORDNET,
                        help="WordNet 3.0 database folder "
                             "(default: %(default)s)")
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
    for path, package in ((args.edict, "edict"),
                          (args.enamdict, "enamdict"),
                          (os.path.join(args.freedict, freedict.NAME
                                        + ".index"), "dict-freedict-eng-jpn"),
                          (os.path.join(args.wordnet, "cntlist.rev"),
                           "wordnet-base")):
        if not os.path.exists(path):
            parser.error("%s not found: install Debian's %s package"
                         % (path, package))
    freq = None
    if not args.no_kkc:
        if not os.path.exists(os.path.join(args.kkc, "data.1gram.index")):
            parser.error("%s/data.1gram.index not found: install Debian's "
                         "libkkc-data package, or pass --no-kkc" % args.kkc)
        try:
            import_marisa()
            freq = WordFrequency(args.kkc)
        except ImportError:
            parser.error("the marisa module is missing: install Debian's "
                         "python3-marisa package, or pass --no-kkc")
    english_first = freedict.FreeDict(args.freedict)
    entries = parse_edict(args.edict)
    headwords = {e.headword for e in entries} | {e.reading for e in entries}
    technical.check_headwords(headwords)
    idioms.check_headwords(headwords)
    wordnet = WordNet(args.wordnet)
    gerunds = gerund_nouns(wordnet)
    best = best_candidates(entries, freq, english_first, gerunds)
    people = read_person_names(args.enamdict)
    nouns, adjectives = choose(best, verbs.inflected_spellings(
        wordnet, vocabulary.VERB_MIN_COUNT), english_first,
        # Only adverbs met in WordNet's tagged texts: each line costs the
        # filter time, and the rest are too rare to be worth one.
        [a for a in wordnet.lemmas("r") if a.isalpha() and a.endswith("ly")
         and wordnet.count(a, "r") >= 1],
        lambda key: any(wordnet.count(key, p) for p in "nvar"), gerunds,
        proper_noun(wordnet, people))
    noun_rules, adj_rules = vocabulary.build(
        nouns, adjectives, best, wordnet, english_first,
        read_names(args.enamdict), slang_headwords(entries), freq,
        {key: spellings for key, spellings
         in read_place_names(args.enamdict).items() if key not in people})
    os.makedirs(args.out_dir, exist_ok=True)
    write(os.path.join(args.out_dir, "noun.txt"), noun_rules)
    write(os.path.join(args.out_dir, "adjective.txt"), adj_rules)
    write(os.path.join(args.out_dir, "rome.txt"), rome_rules.RULES)
    print("noun.txt: %d lines, adjective.txt: %d lines, rome.txt: %d lines"
          % (len(noun_rules), len(adj_rules), len(rome_rules.RULES)))
    return 0
