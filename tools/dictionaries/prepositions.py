"""Prepositions read after their noun, as Japanese particles are.

Word by word a preposition reads before its noun: "He lives in the
house" was 彼が住むそれがあるのはその家 ("what it is in is the house"),
"sent to the user" 送られたその対象はそのユーザー, "from his pocket" から
彼のポケット. Japanese puts the particle after the noun (その家で, その
ユーザーに, 彼のポケットから).

The same way the agent phrases of idioms.py go ("by the police" その警察
によって): a preposition and its determiner ("in the", "to his") become
the determiner's reading and a placeholder of the preposition ("その
〓在"); the placeholder with a known word after it reads the word and
moves past it ("〓在 house" 家 〓在), so that an adjective or the first
noun of a compound carries it on ("in the old config file" その古い設定
ファイルで); whatever word then follows that none of these lines knows,
the placeholder reads as the particle. A noun of time or of a person ends
the phrase at once with its own particle ("in the morning" その朝に, "with
her mother" 彼女の母と). A placeholder that no word moved (the
determiner is still right before it: "in the Bodleian") reads as the
preposition did before, with the determiner after it, so nothing reads
worse than it did.

The nouns and adjectives are those of the agent phrases (met ten times in
WordNet's tagged texts, the reviewed core's nouns) and today's technical
nouns; a noun's plural takes its line, as every noun line does.
"""

from .edict import KEY_WIDTH

PLURAL_MARKER = "％１０００"

# The reviewed choices, one row a preposition: its placeholder, the one
# a noun leaves after it (see HEADS), how it read
# word by word (the built-in table's "in" and "to", the dictionaries' the
# rest), the particle after an ordinary noun, after a noun of time, after
# a person. Chosen by reading examples of the manual pages n to z, their
# READMEs and three novels:
#   in    "in the file" ファイルで; "in the morning" 朝に
#   at    "at the station" 駅で; "at the end" 終わりに
#   on    "on the table" テーブルの上に; "on the day" 日に
#   to    "to the file" ファイルに, "to his sister" 姉妹に: に after a verb
#         of motion too (教会に歩いた), where へ says no more
#   from  から everywhere
#   with  "with the option" オプションで (a means), "with her mother" 母と
#   for   "for the user" ユーザーのために; "for a week" 週の間
#   about について
#   into  "into the directory" ディレクトリに: に says where a thing goes,
#         の中へ read as "into the inside of"
#   under の下に
# Counts of preposition + determiner (the, a, his, ...) in those texts,
# manual pages / novels: in 5835/2999, to 4356/2248, for 2952/1487, with
# 2767/1296, on 2134/985, from 1566/708, at 697/875, into 564/286, about
# 244/174, under 239/91.
TABLE = """
in      〓在 〓内  それがあるのは  で        に        で
at      〓於 〓辺  で              で        に        で
on      〓載 〓面  の上に          の上に    に        の上に
to      〓至 〓到  その対象は      に        に        に
from    〓自 〓発  から            から      から      から
with    〓共 〓具  と一緒に        で        で        と
for     〓為 〓用  のために        のために  の間      のために
about   〓就 〓題  について        について  について  について
into    〓入 〓込  の中へ          に        に        に
under   〓底 〓陰  の下に          の下に    の下に    の下に
"""


# The second placeholder of each, which a noun leaves after it: only the
# heads of compounds (HEADS) carry it on.
AFTER_NOUN = {}


def _table(text):
    rows = {}
    for line in text.strip("\n").split("\n"):
        english, placeholder, after_noun, before, particle, time, person \
            = line.split()
        rows[english] = (placeholder, before, particle, time, person)
        AFTER_NOUN[placeholder] = after_noun
    return rows


PREPOSITIONS = _table(TABLE)

# The determiners a preposition is keyed with: how each reads before its
# noun, and alone (where no noun follows: "gave it to her" 彼女に).
DETERMINERS = {"the": ("その", "その"), "a": ("一つの", "一つの"),
               "an": ("一つの", "一つの"), "his": ("彼の", "彼の"),
               "her": ("彼女の", "彼女"), "my": ("私の", "私の"),
               "your": ("あなたの", "あなたの"),
               "their": ("彼らの", "彼らの"),
               "our": ("私たちの", "私たちの"), "its": ("その", "その"),
               "this": ("この", "これ"), "these": ("これらの", "これら"),
               "those": ("それらの", "それら")}
# "her" with nothing known after it is mostly the pronoun; after these the
# pronoun takes the particle (彼女に, 彼女と), where "in her" and "on her"
# are mostly her hand, her mind, and keep their old reading.
PRONOUN_HER = ("to", "from", "with", "for", "about")
# Object pronouns read with the particle after them ("to him" 彼に). Not
# "from it": それから is "and then".
PRONOUNS = {"him": "彼", "me": "私", "them": "彼ら", "us": "私たち",
            "you": "あなた", "it": "それ"}
PRONOUN_PREPOSITIONS = {"to": ("him", "me", "them", "us", "you", "it"),
                        "from": ("him", "me", "them", "us", "you"),
                        "with": ("him", "me", "them", "us", "you", "it"),
                        "for": ("him", "me", "them", "us", "you", "it"),
                        "about": ("him", "me", "them", "us", "you", "it")}
# A person's particle goes with the people pronouns; "it" is a thing.
PERSON_PRONOUNS = ("him", "me", "them", "us", "you")

# Nouns of time beyond WordNet's noun.time file (whose first sense of
# "time", "end" and "beginning" is an event or a point).
MORE_TIME_NOUNS = ("time", "end", "beginning", "start")
# Nouns mostly said as adverbs: a placeholder moved past them would take
# the words of the next phrase ("put it in the box yesterday").
NOT_CARRIED = ("yesterday", "today", "tomorrow", "tonight", "home", "here",
               "there", "now", "then", "back")

# Words between the determiner and the noun that the vocabulary reads as
# function words or verbs ("the same", "the specified"): together about a
# tenth of the words after "in the" and the like in the manual pages
# ("same" 334 times, "specified" 259, "first" 141) and in the novels
# ("own" 231, "same" 143, "first" 105). Read as before each noun.
CARRIED = {"same": "同じ", "first": "最初の", "next": "次の",
           "last": "最後の", "following": "次の", "previous": "前の",
           "other": "他の", "own": "自身の", "different": "違う",
           "single": "単一の", "second": "二番目の", "whole": "全体の",
           "current": "現行の", "entire": "全部の",
           "specified": "指定された", "given": "与えられた",
           "selected": "選択された", "shared": "共有された"}
# "in" and "to", which read as a clause word by word (それがあるのは, その
# 対象は) and are half of those before a determiner in the manual pages
# and the novels, read every noun WordNet met at all and today's technical
# nouns ("in the directory", "to the server"); the others, whose old
# reading is their particle before the noun, the nouns met ten times. All
# six most frequent so took 1.13 times the CPU time of the files before
# on a megabyte of novels, 28,000 lines more for 5 to 10 points more of
# the words after a preposition read.
FREQUENT = ("in", "to")

# The second nouns of compounds: after a noun, the placeholder goes on only
# to one of these ("the config file" 設定ファイルに, "a warning message"
# 警告メッセージで), where any noun after any other would take the next
# phrase's words. The words met most as the second of two nouns after a
# preposition and a determiner in the manual pages n to z (file 563 times,
# line 559, name 181, directory 158, output 127, system 108, value 94),
# in that order but a modifier before its head ("file name", "command
# line", "error message"): one pass a line reads them left to right.
HEADS = ("database", "server", "directory", "file", "filename", "output",
         "input", "system", "table", "archive", "library", "window",
         "session", "command", "name", "line", "value", "code", "variable",
         "host", "section", "object", "key", "string", "number", "list",
         "chain", "type", "error", "option", "manual", "stream", "path",
         "manager", "group", "size", "script", "message", "version",
         "program", "page", "tree", "mode", "license")

# WordNet's lexicographer files of nouns of time and of people.
LEX_TIME, LEX_PERSON = 28, 18


def opener_key(preposition, determiner):
    """"in the", "to his ％１０００": a determiner in "s" has its marker."""
    return preposition + " " + determiner + (
        " " + PLURAL_MARKER if determiner.endswith("s") else "")


def _word_key(placeholder, word):
    return placeholder + " " + word + (
        " " + PLURAL_MARKER if word.endswith("s") else "")


def build(nouns, adjectives=(), later=(), kinds=None, more_nouns=()):
    """(lines, fallbacks): the lines that open a prepositional phrase and
    read its words, and the placeholders' fallbacks, to go after every
    other idiom line.

    nouns, adjectives: (English word, rendering) pairs; later: the
    (key, value) of the keys of several words that the vocabulary puts
    after the idioms ("according to", "the use"), which the preposition's
    keys would take a word of; kinds: {noun: WordNet's lexicographer file
    of its first sense} (WordNet.first_noun_files; without it no noun
    ends the phrase by its kind); more_nouns: the
    nouns that only the FREQUENT prepositions read."""
    # The reviewed core's phrases go after the idioms as well.
    from .core_words import CORE_PHRASES
    later = list(later) + [kv for kv in CORE_PHRASES
                           if kv[0] not in dict(later)]
    nouns = [(w, v) for w, v in nouns
             if w.isalpha() and w not in NOT_CARRIED and w not in CARRIED
             and _clean(v)]
    known = {w for w, _ in nouns}
    more_nouns = sorted((w, v) for w, v in dict(more_nouns).items()
                        if w.isalpha() and w not in NOT_CARRIED
                        and w not in known and w not in CARRIED
                        and _clean(v))
    adjectives = [(w, v) for w, v in adjectives if w.isalpha() and _clean(v)
                  and w not in CARRIED] + sorted(CARRIED.items())
    # A later key that ends in a preposition or holds one ("according to",
    # "log in", "at work") goes first, as it went before the word table.
    words = set(PREPOSITIONS)
    guards = sorted(((k, v) for k, v in later
                     if words & set(k.split())),
                    key=lambda kv: (-len(kv[0].split()), kv[0]))
    # A later key of a determiner and a word ("the use" その使用, where
    # "use" alone is the verb) gives that word's noun to the phrase; one
    # whose value is no determiner and a noun ("a lot" たくさん) keeps its
    # reading, the preposition's old one before it.
    seen = {w for w, _ in nouns}
    kept = []
    for key, value in sorted(later):
        parts = key.split()
        if len(parts) != 2 or parts[0] not in DETERMINERS:
            continue
        reading = DETERMINERS[parts[0]][0]
        if value.startswith(reading) and len(value) > len(reading):
            if parts[1] not in seen and parts[1].isalpha():
                seen.add(parts[1])
                nouns.append((parts[1], value[len(reading):]))
        else:
            kept += [(english + " " + key, before + value)
                     for english, (_, before, _, _, _)
                     in sorted(PREPOSITIONS.items())]
    guards += sorted((k, v) for k, v in kept if len(k) <= KEY_WIDTH)
    kinds = kinds or {}
    # Today's technical nouns are neither ("client", "server" are a
    # person's first).
    from .technical import TECHNICAL_NOUNS
    times = {w for w, _ in nouns + more_nouns
             if (kinds.get(w) == LEX_TIME or w in MORE_TIME_NOUNS)
             and w not in TECHNICAL_NOUNS}
    people = {w for w, _ in nouns + more_nouns
              if kinds.get(w) == LEX_PERSON and w not in TECHNICAL_NOUNS}

    openers = []
    for preposition, (placeholder, *_) in sorted(PREPOSITIONS.items()):
        for determiner, (reading, _) in sorted(DETERMINERS.items()):
            openers.append((opener_key(preposition, determiner),
                            reading + " " + placeholder))
        for pronoun in PRONOUN_PREPOSITIONS.get(preposition, ()):
            _, _, particle, _, person = PREPOSITIONS[preposition]
            openers.append((preposition + " " + pronoun, PRONOUNS[pronoun]
                            + (person if pronoun in PERSON_PRONOUNS
                               else particle)))
    # Each key as if followed by the highest character, so that "to its
    # ％１０００" goes before "to it", which would take it as a plural.
    openers = sorted((kv for kv in openers if len(kv[0]) <= KEY_WIDTH),
                     key=lambda kv: kv[0] + "\U0010ffff")

    noun_lines = {}
    for preposition, (placeholder, _, particle, time, person) \
            in sorted(PREPOSITIONS.items()):
        words_lines = noun_lines.setdefault(preposition, [])
        read = nouns + (more_nouns if preposition in FREQUENT else [])
        for noun, value in read:
            # A noun of time or a person ends the phrase where its particle
            # is not the ordinary one ("in the morning" 朝に, "with her
            # mother" 母と); elsewhere it carries the placeholder on, as
            # any noun ("to the user database").
            own = time if noun in times else person if noun in people \
                else particle
            if own == particle:
                words_lines.append((_word_key(placeholder, noun),
                                    value + " " + AFTER_NOUN[placeholder]))
                continue
            # A person's "'s" (which the phrase table made " の "): the
            # phrase goes on to the noun it owns ("with his sister's
            # friend" 彼の姉妹の友達と).
            # (A noun in "s" has its marker before the の: too long.)
            if not noun.endswith("s"):
                words_lines.append((placeholder + " " + noun + " の",
                                    value + "の " + placeholder))
            words_lines.append((_word_key(placeholder, noun), value + own))
    # Per placeholder: the words before a noun first, so that "the old
    # house" reads both, and they before the nouns, which follow one
    # another in the order of their spelling: the first noun of a
    # compound carries the particle on to a second that comes after it
    # ("the directory file" ディレクトリファイルに); to one before it
    # ("the file directory") the particle stays after the first
    # (ファイルにディレクトリ), as close as one pass a line allows.
    # An adjective whose key with "s" is a noun ("new", "news") has that
    # noun first, which the adjective's line would take as its plural.
    lines = []
    for preposition, (placeholder, _, particle, time, person) \
            in sorted(PREPOSITIONS.items()):
        nouns_here = dict(noun_lines[preposition])
        before = [(_word_key(placeholder, adjective + "s"),
                   nouns_here[_word_key(placeholder, adjective + "s")])
                  for adjective, _ in adjectives
                  if _word_key(placeholder, adjective + "s") in nouns_here]
        lines += before + sorted(
            ((_word_key(placeholder, adjective), value + " " + placeholder)
             for adjective, value in adjectives
             if adjective not in seen),
            key=lambda kv: kv[0] + "\U0010ffff")
        lines += sorted(noun_lines[preposition],
                        key=lambda kv: kv[0] + "\U0010ffff")
        # After a noun, a head of a compound, in the order of HEADS.
        second = AFTER_NOUN[placeholder]
        lines += [(_word_key(second, head), value)
                  for head in HEADS
                  for key, value in [(_word_key(placeholder, head),
                                      nouns_here.get(_word_key(placeholder,
                                                               head)))]
                  if value is not None and value.endswith(" " + second)]
    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH:
            unique.setdefault(key, value)
    words_lines = list(unique.items())

    fallbacks = []
    for preposition, (placeholder, before, particle, _, person) \
            in sorted(PREPOSITIONS.items()):
        alone = {}
        for determiner, (reading, by_itself) in DETERMINERS.items():
            if determiner == "her" and preposition in PRONOUN_HER:
                alone[reading] = by_itself + person
            else:
                alone.setdefault(reading, before + by_itself)
        fallbacks += sorted((reading + " " + placeholder, value)
                            for reading, value in alone.items())
    # Last, the placeholder that a word moved: the particle after it.
    fallbacks += sorted((placeholder, particle) for placeholder, _, particle,
                        _, _ in PREPOSITIONS.values())
    fallbacks += sorted((AFTER_NOUN[placeholder], particle)
                        for placeholder, _, particle, _, _
                        in PREPOSITIONS.values())
    return guards + openers + words_lines, fallbacks


def _clean(value):
    """A value a line may carry: no space, no Latin letter, no
    placeholder."""
    return value and " " not in value and "〓" not in value and not any(
        "a" <= c.lower() <= "z" for c in value)


def placeholders():
    return {placeholder for placeholder, *_ in PREPOSITIONS.values()} \
        | set(AFTER_NOUN.values())
