"""Senses that the neighbouring word decides.

A word's one rendering is its frequent sense; a few frequent words have a
second sense that a neighbour gives away, and reading them wrongly turns
the sentence: "you may go" is leave (行ってもよい), not a guess (行くかも
しれない); "the mean of the values" is an average, not "what ... means";
"speaks Japanese" is the language (日本語), where the built-in table has
already made the word the people (日本人) before the dictionaries run.

Each is a key of the neighbour and the word together:

  * "may" of permission: after "you", or before the "I" of a question
    ("may I"; the built-in table has made it 私 by then), "may" asks or
    gives leave. Those keys come before the auxiliaries of grammar.py
    and turn "may" into its own placeholder 〓認; the placeholder and a
    verb give the verb's te-form with もよい (が座ってもよい), and a
    placeholder no verb took reads してもよい. "you may not" forbids, as
    "must not" does (its placeholder 〓禁: 座ってはいけない). "you can" is
    left to ability: it asks leave less often than it says one is able.
  * "the mean", "a mean": an average (平均), where the built-in table would
    make the verb.
  * "run", "close", "type" and "return" before their object: 実行する,
    閉じる, 入力する, 返す (VERBS_BEFORE_OBJECT says why).
  * "you may want to", "you may need to", "you may have to" guess, as
    "might" does; "you may" alone still gives leave.
  * "like" after "is", "was", "are", "were", "be", "been": the
    preposition (のような); the rest of "like" is idioms.py's.
  * "please" before a verb asks (使ってください), where word by word it
    read お願いですが、が使うのは.
  * "so" before an adjective or an adverb is the degree (そんなに),
    not the conjunction だから.
  * a word the vocabulary reads as a verb is its noun after an article,
    a demonstrative or a possessive (the use 使用).
  * a verb's base right after a full stop is a command (見てください).
  * "call" before a person, a possessive or a time is a phone call
    (電話する), with an auxiliary too; "help" after an article or a
    possessive is the noun (あなたの助け).
  * "Bath" after a preposition with no article is the town (バースで).
  * "little" after an article, a demonstrative or a possessive is small
    (私の小さな友達), not the adverb 少し.
  * the Japanese language: after a preposition (in, into, from), before
    "language", and after the verbs of speaking, learning, reading,
    writing and understanding in their plain forms; after any word in
    "s" (the plural marker stands between), since "speaks ％１０００
    日本人" is too long for a key and "is" has become a placeholder by
    then ("he is Japanese" keeps 日本人).
"""

from .conjugate import Verb
from .edict import KEY_WIDTH
from .verbs import active_spellings, renderings

PLURAL_MARKER = "％１０００"

# The lines that go before grammar.py's auxiliaries: who asks or gives
# leave. "you may not" first, which holds "you may". ("may I" and "may we" ask
# leave in grammar.py, as a question.)
PERMISSION_FIRST = [
    ("you may not", "あなた 〓禁"),
    # "you may want to", "you may need to", "you may have to" guess, as
    # "might" does (使いたいかもしれない), in manuals far more often than
    # they would give leave to want (55 times in the tuning pages):
    # read as leave they said "you may ... must". The built-in phrase
    # table has made "want to" がしたい事; the placeholders are those
    # grammar.py makes of "might want to" (〓推 〓欲 → 〓願), "might need
    # to" (〓須) and "might have to" (〓迫), and reads with the verb.
    ("you may がしたい事", "あなた 〓願"),
    ("you may wish to", "あなた 〓願"),
    ("you may need to", "あなた 〓須"),
    ("you may have to", "あなた 〓迫"),
    ("you may", "あなた 〓認"),
]

# "like" after the copula is the preposition: "it is like a dream" read
# as "it likes a dream" (が好きなのは). Before grammar.py's lines, which
# would take "is" first. The rest of "like" is idioms.py's.
LIKE_AFTER_BE = [(be + " like", "のような")
                 for be in ("is " + PLURAL_MARKER, "was " + PLURAL_MARKER,
                            "are", "were", "be", "been")]

# "please" and a verb ask (使ってください); word by word "please use"
# read お願いですが、が使うのは, "please: what ... uses is". The verbs of
# grammar.py's table whose base fits a key, and the phrasal verbs.
PLEASE = "please "
ASK = "ください"

# "little" after an article, a demonstrative or a possessive is the
# adjective (小さな), not the adverb 少し the word alone reads ("my
# little friend" 私の少し友達); "a little" stays 少し (idioms.py).
LITTLE_AFTER = {"the": "その", "that": "その", "her": "彼女の",
                "my": "私の", "your": "あなたの", "our": "私たちの",
                "their": "彼らの", "poor": "哀れな", "pretty": "可愛い"}
LITTLE = "小さな"
# A word in "s" ("his", "this") has the plural marker after it, which
# makes the key longer than a key may be: those go without.
LITTLE_LINES = [(key, japanese + LITTLE)
                for key, japanese in (
                    (word + (" " + PLURAL_MARKER if word.endswith("s")
                             else "") + " little", japanese)
                    for word, japanese in sorted(LITTLE_AFTER.items()))
                if len(key) <= KEY_WIDTH]
PERMISSION_FALLBACK = ("〓認", "してもよい")

# The built-in table's rendering of "Japanese" (the capitalised-names
# stage runs before lowercasing), and the language's.
PEOPLE = "日本人"
LANGUAGE = "日本語"
LANGUAGE_AFTER = {"in": LANGUAGE + "で", "into": LANGUAGE + "に",
                  "from": LANGUAGE + "から"}
LANGUAGE_BEFORE = {"language": LANGUAGE}
# The verbs whose object is mostly a language: every form but the
# participle (which the passive reads).
LANGUAGE_VERBS = ("speak", "learn", "study", "read", "write", "understand",
                  "teach")

# Verbs whose object says the sense: before an article, a demonstrative,
# a possessive or "it", "run" runs a program (実行する; a race is run far
# less often than a program in the texts read), "close" closes a thing (閉
# じる; the adjective "close" is followed by "to", not by "the"), "type"
# types it in (入力する, not the noun 種類) and "return" gives it back (返
# す; "return to" stays the noun's) and "submit" sends it (送信する: a
# report, a patch, a form; "submit to" someone, the novels' sense, stays
# the vocabulary's). English verb -> EDICT headword, class.
VERBS_BEFORE_OBJECT = {"run": ("実行", "vs"), "close": ("閉じる", "v1"),
                       "type": ("入力", "vs"), "return": ("返す", "v5s"),
                       "submit": ("送信", "vs")}
# Verbs that take an object by WordNet's count but stand without one
# before a preposition of place or time or at a sentence's end: "the bus
# stopped at the station" stopped by itself (止まった), not "what the bus
# stopped" (止めたのは); "the door won't open" 開かない, not 開けないのは;
# "the meeting will start at ten" 始まるだろう. So do the keys grammar.py
# made of them with an auxiliary (intransitive_pairs). Before a full stop
# the 。 goes back as a placeholder (FULL_STOP) that the line right after
# these turns into 。 again: kept apart from the verb, so that the keys
# that read a sentence's start ("。 see") still find it. English verb ->
# (EDICT headword, class); the words after it -> how they read there.
VERBS_WITHOUT_OBJECT = {"stop": ("止まる", "v5r"), "start": ("始まる", "v5r"),
                        "begin": ("始まる", "v5r"), "open": ("開く", "v5k"),
                        "boil": ("沸く", "v5k")}
WITHOUT_OBJECT_AFTER = {"at": "で", "in": "で", "near": "の近くで",
                        "for": "のために", "suddenly": "突然"}
FULL_STOP = "〓句"
# "take long" is a span of time too ("won't take long" 長く掛からない),
# read with the keys grammar.py made of "take" with an auxiliary, where
# they fit a key; not before grammar.py's lines, which "long" would need
# a placeholder for, and a bare "long" is mostly the adjective.
LONG = ("take", "long", "長く")


# After an auxiliary, only the words most often met there: every line
# costs the filter time, and these pairs are many.
AUXILIARY_WITHOUT_OBJECT_AFTER = {"at": "で", "in": "で"}


def without_object_lines(pairs, after=AUXILIARY_WITHOUT_OBJECT_AFTER):
    """The keys grammar.py made of a verb with an auxiliary, read as the
    verb without an object before each word of after and before a full
    stop: pairs, (the rendering with the sources' verb, the rendering
    with the verb that takes none)."""
    lines = []
    for old, new in sorted(pairs):
        for word, japanese in sorted(after.items()):
            lines.append((old + " " + word, new + japanese))
        lines.append((old + " 。", new + " " + FULL_STOP))
    return lines


# Verbs whose everyday sense their object gives away, and the objects:
# "play the piano" is 弾く, not 遊ぶ; "take two hours" かかる, not 取る;
# "hold a meeting" 開催する, not 持つ. A key of the verb's form and its
# whole object is too long for most ("played the guitar"), so the object
# is marked first, before grammar.py's lines, by a placeholder put before
# it ("〓弾 the piano"); the verb's forms with the placeholder then read
# the sense, and so do the keys grammar.py has made of the verb with its
# auxiliary ("can play" 遊べる) with the placeholder after them (弾ける).
# A placeholder no verb took reads nothing. The placeholder names the
# kind of object, not the verb, since one object serves several verbs:
# "take the bus" rides it (乗る), "miss the bus" is left behind by it
# (乗り遅れる); "take two hours" 掛かる, "spend two weeks" 過ごす.
INSTRUMENTS = ("piano", "guitar", "violin", "drums", "drum", "flute",
               "cello", "trumpet", "harp", "organ", "clarinet", "saxophone",
               "viola")
EVENTS = ("meeting", "conference", "party", "election", "concert",
          "ceremony", "contest", "competition", "festival", "exhibition",
          "event", "seminar", "session", "debate", "referendum")
# What one rides: "didn't take the bus" 乗らなかった, not 取らなかった.
VEHICLES = ("bus", "train", "taxi", "plane", "subway", "ferry", "tram",
            "flight")
# What one swallows: "take her medicine" 飲む.
MEDICINES = ("medicine", "medication", "pill", "tablet")
# What is won or lost: "lost the game" 負けた, not 失った (keys stay
# 失う: "lose" a thing is the more frequent sense).
GAMES = ("game", "match", "race", "battle", "war", "fight", "tournament")
# What is kept by keeping faith: "kept her promise" 守った, not 保った.
PROMISES = ("promise", "appointment")
# What is charged with power: "charged my phone" 充電した, not 請求した
# (the bill's "charge").
DEVICES = ("phone", "battery", "batteries", "laptop", "camera", "device")
# What one carries and leaves somewhere: "left his umbrella on the
# train" 置いた, not 去った ("left the room"). Not "keys", which "lose"
# and "find" take far more often than "leave" does.
BELONGINGS = ("umbrella", "bag", "wallet", "purse", "coat", "jacket",
              "luggage", "suitcase")
# What one is sent: "didn't get your message" 受け取らなかった, not 得なか
# った.
MESSAGES = ("message", "letter", "email", "parcel", "package",
            "invitation", "postcard")
# The kinds of object: placeholder -> the nouns (TIME is the spans).
OBJECT_KINDS = {"〓弾": INSTRUMENTS, "〓催": EVENTS, "〓乗": VEHICLES,
                "〓服": MEDICINES, "〓負": GAMES, "〓守": PROMISES,
                "〓機": DEVICES, "〓置": BELONGINGS, "〓届": MESSAGES}
# A person "called" is phoned far more often than named or summoned in
# everyday text: "I'll call you tomorrow" 電話するだろう, "he didn't call
# his mother" 電話しなかった, and so is a call with no object before
# "yet" or a time ("she hasn't called yet"). A person is too often the
# object of other verbs for every "her" or "mother" to be marked, and a
# value may hold no English for grammar.py's keys to read on, so the
# keys are those forms of "call" and grammar.py's renderings of it with
# an auxiliary (が呼ぶであろうのは), each with the word after it, read
# with 電話する and the word's own rendering. "call the doctor", "call
# the police" keep 呼ぶ (summoning them is the sense), and so does the
# passive ("what is it called"), which no object follows.
CALL = "call"
CALL_VERB = Verb("電話", "vs")
CALL_BEFORE = {"me": "私", "you": "あなた", "him": "彼", "her": "彼女",
               "us": "私たち", "them": "彼ら", "my": "私の",
               "your": "あなたの", "his": "彼の", "our": "私たちの",
               "their": "彼らの", "yet": "まだ", "tomorrow": "明日",
               "tonight": "今夜", "later": "後で"}
TIME = "〓掛"
# The determiners before them, as the built-in table renders them.
OBJECT_DETERMINERS = {"the": "その", "a": "一つの", "an": "一つの",
                      "her": "彼女の", "his": "彼の", "my": "私の",
                      "your": "あなたの", "their": "彼らの",
                      "our": "私たちの"}
# Spans of time: a count and a unit, as Japanese counts them (三日, 二時間).
TIME_UNITS = {"second": "秒", "minute": "分", "hour": "時間", "day": "日",
              "week": "週間", "month": "か月", "year": "年"}
TIME_COUNTS = {"one": "一", "two": "二", "three": "三", "four": "四",
               "five": "五", "six": "六", "seven": "七", "eight": "八",
               "nine": "九", "ten": "十", "twelve": "十二", "twenty": "二十",
               "thirty": "三十", "several": "数", "a few": "数",
               "many": "何", "a": "一", "an": "一"}


def _objects(read):
    """(placeholder, English object, its Japanese) for OBJECT_KINDS and
    the spans of time; read: an English noun -> its rendering, or None."""
    found = []
    for placeholder, nouns in sorted(OBJECT_KINDS.items()):
        for noun in nouns:
            japanese = read(noun)
            if not japanese:
                continue
            # Only after a determiner: a bare "meeting", "contest" or
            # "debate" is as often a verb's form, which the auxiliaries'
            # keys read later.
            for determiner, value in sorted(OBJECT_DETERMINERS.items()):
                found.append((placeholder, determiner + " " + noun,
                              value + japanese))
    for count, number in sorted(TIME_COUNTS.items()):
        for unit, counter in sorted(TIME_UNITS.items()):
            plural = count not in ("one", "a", "an")
            if unit == "hour" and count != "an" and not plural:
                continue
            if unit != "hour" and count == "an":
                continue
            found.append((TIME, count + " " + unit + ("s" if plural
                                                      else ""),
                          number + counter))
    return found


# (English verb, the kind of its object, EDICT headword, class): the
# sense the verb reads before an object of that kind. An object kind no
# verb here takes still reads nothing before its object.
OBJECT_SENSES = [("play", "〓弾", "弾く", "v5k"),
                 ("charge", "〓機", "充電", "vs"),
                 ("leave", "〓置", "置く", "v5k"),
                 ("get", "〓届", "受け取る", "v5r"),
                 ("take", TIME, "掛かる", "v5r"),
                 ("spend", TIME, "過ごす", "v5s"),
                 ("hold", "〓催", "開催", "vs"),
                 ("take", "〓乗", "乗る", "v5r"),
                 ("miss", "〓乗", "乗り遅れる", "v1"),
                 ("take", "〓服", "飲む", "v5m"),
                 ("lose", "〓負", "負ける", "v1"),
                 ("keep", "〓守", "守る", "v5r")]


def object_marks(read):
    """The lines that read each object and put its kind's placeholder
    before it, longer objects first ("a few minutes" before "minutes").
    read: as for _objects."""
    lines = {}
    for placeholder, phrase, japanese in _objects(read):
        words = phrase.split()
        # A word in "s" has the plural marker after it; the last word's
        # stays after the line.
        key = " ".join([w + (" " + PLURAL_MARKER if w.endswith("s")
                             else "") for w in words[:-1]] + words[-1:])
        if len(key) <= KEY_WIDTH:
            lines.setdefault(key, placeholder + " " + japanese)
    return sorted(lines.items(), key=lambda kv: (-len(kv[0].split()),
                                                  kv[0]))


def built_in_pairs(verbs, english, other):
    """The keys grammar.py made of a verb of the built-in word table, as
    (its rendering, the rendering with the Verb other): grammar.py keys
    such a verb with its own verb whatever it is given, so the keys are
    made twice here, once as grammar.py makes them and once under a name
    it has no verb of its own for. Only the active forms whose rendering
    ends in のは, which an object follows. verbs: as for
    permission_lines."""
    from . import grammar
    if english not in verbs:
        return []
    verb, transitive, forms, count = verbs[english]
    count = max(count, grammar.MIN_COUNT)
    own = dict(grammar.build({english: (verb, transitive, forms, count)},
                             {}))
    made = dict(grammar.build({english + "#": (other, transitive, forms,
                                               count)}, {}))
    return sorted({(own[k], made[k]) for k in own
                   if k in made and own[k] != made[k]
                   and own[k].endswith("のは")})


def call_lines(verbs, forms_of):
    """The forms of "call" and grammar.py's renderings of it, each with a
    word of CALL_BEFORE after it, read with CALL_VERB."""
    values = renderings(CALL_VERB, True)
    pairs = []
    for form, spelling in active_spellings(forms_of(CALL)):
        pairs.append((spelling + (" " + PLURAL_MARKER
                                  if spelling.endswith("s") else ""),
                       values[form]))
    pairs += built_in_pairs(verbs, CALL, CALL_VERB)
    lines = []
    for old, new in pairs:
        for after, japanese in sorted(CALL_BEFORE.items()):
            key = old + " " + after
            if len(key) <= KEY_WIDTH:
                lines.append((key, new + japanese))
    return lines


def object_sense_lines(forms_of, auxiliary_pairs=()):
    """The verbs of OBJECT_SENSES in their plain forms, and the keys
    grammar.py made of them (auxiliary_pairs: (placeholder, the rendering
    with the sources' verb, the rendering with the object's)), each with
    the placeholder after them; then the placeholders' fallbacks."""
    kinds = sorted(set(OBJECT_KINDS) | {TIME})
    lines = []
    for english, placeholder, headword, klass in sorted(OBJECT_SENSES):
        values = renderings(Verb(headword, klass), True)
        # "to play" before "play", which it holds.
        for form, spelling in sorted(active_spellings(forms_of(english)),
                                     key=lambda fs: fs[0] != "to"):
            word = spelling + (" " + PLURAL_MARKER
                               if spelling.endswith("s") else "")
            lines.append((word + " " + placeholder, values[form]))
    # Then the plural marker that a verb in "s" left before the
    # placeholder goes: "will miss" is a key of grammar.py's (見逃すであろう
    # のは) that leaves it between the two, which together are too long
    # for one key.
    lines += [(PLURAL_MARKER + " " + placeholder, placeholder)
              for placeholder in kinds]
    for placeholder, old, new in auxiliary_pairs:
        lines.append((old + " " + placeholder, new))
    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH:
            unique.setdefault(key, value)
    return list(unique.items()) + [(placeholder, "")
                                   for placeholder in kinds]


# The words that open an object, as the built-in table and the core
# render them.
OBJECT_OPENERS = {"the": "その", "a": "一つの", "an": "一つの",
                  "this": "これ", "these": "これら", "your": "あなたの",
                  "my": "私の", "it": "それ", "them": "彼ら",
                  "all": "すべての"}

# Bath, the town of the novels of about 1810, after a preposition with
# no article ("at Bath", "to Bath"): a tub is "the bath" or "a bath". 30
# of 43 "bath" in the tuning chapters of Northanger Abbey, 2 with an
# article; word by word it read 風呂. The katakana is ENAMDICT's.
TOWNS = {"bath": "バース"}
TOWN_AFTER = {"in": "で", "at": "で", "to": "へ", "from": "から",
              "of": "の", "near": "の近くに"}
TOWN_LINES = [(preposition + " " + town, japanese
               + (particle if preposition != "of" else "")
               if preposition != "of" else particle + japanese)
              for town, japanese in sorted(TOWNS.items())
              for preposition, particle in sorted(TOWN_AFTER.items())]
# The built-in phrase table has made "went to" が行った所は ("where ...
# went is") before the dictionaries run.
TOWN_LINES += [("が行った所は " + town, "が行った所は" + japanese)
               for town, japanese in sorted(TOWNS.items())]

# "own" after a subject pronoun is the verb (彼らが持つのは一つの家), where
# the word alone reads as the adjective ("their own" 自身の) and "they own
# a house" read それら自身の一つの家. The subjects as the built-in table
# renders them ("I" is 私 by then).
OWN_SUBJECTS = {"they": "それら", "we": "私たち", "you": "あなた", "私": "私"}
OWN_VERB = Verb("持つ", "v5t")
OWN_LINES = [(subject + " own", japanese + renderings(OWN_VERB, True)["base"])
             for subject, japanese in sorted(OWN_SUBJECTS.items())]

# "mean" as the noun of an average, after an article.
MEAN = [("the mean", "その平均"), ("a mean", "一つの平均")]


def permission_lines(verbs):
    """"〓認 VERB" for each verb: the te-form and もよい, in the built-in
    style (が, and のは where an object follows); then the fallback.

    verbs: {English base: (Verb or None, transitive, forms, count)}, the
    verbs grammar.py keys."""
    from .grammar import BETWEEN
    # An adverb between ("you may also use") goes before the placeholder,
    # as grammar.py moves it before its own.
    lines = [("〓認 " + adverb, japanese + " 〓認")
             for adverb, japanese in sorted(BETWEEN.items())
             if len("〓認 " + adverb) <= KEY_WIDTH]
    for base, (verb, transitive, forms, _) in sorted(verbs.items()):
        if not isinstance(verb, Verb):
            continue
        value = "が" + verb.te() + "もよい" + ("のは" if transitive else "")
        for spelling in forms.get("base", ()):
            if spelling.isalpha() and len("〓認 " + spelling) <= KEY_WIDTH:
                lines.append(("〓認 " + spelling, value))
    return lines + [PERMISSION_FALLBACK]


def language_lines(verbs):
    """The Japanese language where a neighbour says it is one.

    verbs: as for permission_lines; the language verbs must be there."""
    lines = [(word + " " + PEOPLE, value)
             for word, value in sorted(LANGUAGE_AFTER.items())]
    lines += [(PEOPLE + " " + word, value)
              for word, value in sorted(LANGUAGE_BEFORE.items())]
    for base in LANGUAGE_VERBS:
        verb, _, forms, _ = verbs[base]
        values = renderings(verb, True)
        for form in ("base", "s", "past", "ing"):
            for spelling in forms.get(form, ()):
                word = spelling + (" " + PLURAL_MARKER
                                   if spelling.endswith("s") else "")
                lines.append((word + " " + PEOPLE, values[form] + LANGUAGE))
    # After a word in "s" ("speaks ％１０００ 日本人" is longer than a key):
    # the verbs' -s forms; "is" has become a placeholder by then.
    lines.append((PLURAL_MARKER + " " + PEOPLE, LANGUAGE))
    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH:
            unique.setdefault(key, value)
    return list(unique.items())


def object_lines(forms_of, intransitive_pairs=(), long_pairs=()):
    """Each form of the verbs of VERBS_BEFORE_OBJECT with a word that
    opens its object, and "to" before the base; those of
    VERBS_WITHOUT_OBJECT, and the keys grammar.py made of them
    (intransitive_pairs, as for without_object_lines), where no object
    follows; "take long" (long_pairs: the keys grammar.py made of "take",
    read with 取る and with 掛かる).

    forms_of: an English verb -> {form: [spellings]}."""
    lines = []
    for english, (headword, klass) in sorted(VERBS_BEFORE_OBJECT.items()):
        values = renderings(Verb(headword, klass), True)
        forms = forms_of(english)
        for form, spelling in active_spellings(forms):
            word = spelling + (" " + PLURAL_MARKER
                               if spelling.endswith("s") else "")
            for opener, japanese in sorted(OBJECT_OPENERS.items()):
                lines.append((word + " " + opener, values[form] + japanese))
    for english, (headword, klass) in sorted(VERBS_WITHOUT_OBJECT.items()):
        values = renderings(Verb(headword, klass), False)
        forms = forms_of(english)
        for form, spelling in active_spellings(forms):
            if form == "to":
                continue
            word = spelling + (" " + PLURAL_MARKER
                               if spelling.endswith("s") else "")
            for after, japanese in sorted(WITHOUT_OBJECT_AFTER.items()):
                # One word: a space inside a value would let a later key
                # read into it.
                lines.append((word + " " + after, values[form] + japanese))
            lines.append((word + " 。", values[form] + " " + FULL_STOP))
    lines += without_object_lines(intransitive_pairs)
    lines += [(old + " " + LONG[1], "が" + LONG[2] + new[1:])
              for old, new in sorted(long_pairs) if new.startswith("が")]
    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH:
            unique.setdefault(key, value)
    return list(unique.items()) + [(FULL_STOP, "。")]


# "so" before an adjective or an adverb is the degree (そんなに嬉しい, "so
# happy"), not the conjunction だから ("therefore") the word alone reads:
# in three novels of about 1810, 1590 of 2258 "so" stand before one ("so
# much", "so very", "so kind"); in the manual pages "so" is mostly "so
# that" and "so on", which are keys of their own. The adjectives and
# adverbs met at least SO_MIN_COUNT times in WordNet's tagged texts:
# five, not ten, since the novels' "so" stands before rarer words too ("so
# miserable", "so cheerful", "so agreeable": 142 of the 831 "so" that
# no line took at ten), each line after "so" alone costing little.
SO = "so "
SO_DEGREE = "そんなに"
SO_MIN_COUNT = 5
# The words after "so" that the built-in table or the core render, or
# whose own line reads otherwise ("kind" is 種類, the noun, alone; after
# "so" it is always kind to someone): the most frequent after "so" in the
# novels.
SO_MORE = {"very": "", "well": "良く", "soon": "早く", "often": "しばしば",
           "little": "少し", "kind": "親切な", "near": "近い",
           "fond": "好き", "few": "少ない"}


def so_lines(adjectives, taken=()):
    """("so " + adjective, そんなに + its rendering) for each (adjective,
    rendering, count) of adjectives met often enough; not the words of
    taken, the expressions that start with "so" ("so far")."""
    lines = []
    for word, value, count in sorted(adjectives):
        key = SO + word
        if count >= SO_MIN_COUNT and word.isalpha() \
                and len(key) <= KEY_WIDTH and key not in taken \
                and not any(t.startswith(key + " ") for t in taken):
            lines.append((key, SO_DEGREE + value))
    return [(SO + word, SO_DEGREE + value)
            for word, value in sorted(SO_MORE.items())] + lines


# A word the vocabulary reads as a verb is a noun after an article, a
# demonstrative or a possessive: no verb stands there, so "the use of"
# read そのが使うのはの ("the, what ... uses is, of"), "a look" 一つのが見
# るのは, "the test set" そのテストが設定するのは. The key is the determiner
# and the word, read as both (その使用); the noun line takes the plural
# too ("the uses"). Only nouns WordNet meets at least this often.
# "her" is left out: "let her go", "saw her come" put a verb after it.
NOUN_AFTER_DETERMINER_MIN_COUNT = 3
DETERMINERS = {"the": "その", "a": "一つの", "an": "一つの", "this": "この",
               "my": "私の", "your": "あなたの", "his": "彼の",
               "our": "私たちの", "their": "彼らの", "its": "その",
               "each": "各", "another": "別の", "every": "毎"}


# Spellings whose noun reading is another word's sense: "the count" is
# a number far more often than an earl (伯爵), "peer" a machine (not 貴族),
# and the rest read no noun a reader would know there.
NOT_NOUN_AFTER_DETERMINER = {"count", "peer", "shrug", "growing",
                             "standing", "hearing"}


# The verbs of the built-in word table that are nouns as often, which
# the vocabulary has no line of its own for: "your help" read あなたのが
# 助けたのは ("your, what ... helped").
BUILT_IN_NOUNS = {"help": "助け"}


def determiner_noun_lines(nouns):
    """(determiner + noun, its rendering + the noun's) for each {spelling:
    its noun's rendering}; a determiner in "s" with the plural marker."""
    lines = []
    for spelling, value in sorted(nouns.items()):
        if spelling in NOT_NOUN_AFTER_DETERMINER:
            continue
        for word, japanese in sorted(DETERMINERS.items()):
            key = word + (" " + PLURAL_MARKER if word.endswith("s")
                          else "") + " " + spelling
            if len(key) <= KEY_WIDTH:
                lines.append((key, japanese + value))
    return lines


# A verb's base right after a full stop, with no subject before it,
# is a command: "。 see the manual", "。 use this option", "Come, shake
# hands" (見てください; word by word が見るのは, "what ... sees is"). Manual
# pages write their options' second and later sentences so. (At a line's
# start no key can tell: no key holds a line break.) Not the spellings
# that are mostly a name or a month there, nor "thank" ("thank you" is
# the core's).
SENTENCE_START = "。 "
NOT_COMMANDS = {"mark", "bill", "grant", "rob", "sue", "pat", "jack",
                "harry", "march", "frank", "don", "rose", "ray", "guy",
                "chase", "bob", "drew", "wade", "lance", "thank", "pray"}


def please_lines(verbs, before=PLEASE, read_as_verb=None):
    """"please VERB" for each verb with an EDICT verb, and "please" with
    each phrasal verb of idioms.py: the te-form and ください; with before
    SENTENCE_START, the command at a sentence's start, the full stop
    kept."""
    from .idioms import PHRASAL_TABLE, marked
    kept = "。" if before == SENTENCE_START else ""
    lines = []
    for english, headword, klass, _ in PHRASAL_TABLE:
        lines.append((before + marked(english.split()),
                      kept + Verb(headword, klass).te() + ASK))
    for base, (verb, transitive, forms, _) in sorted(verbs.items()):
        if not isinstance(verb, Verb):
            continue
        for spelling in forms.get("base", ()):
            # At a sentence's start, only a spelling the vocabulary reads
            # as a verb: "Sense and ...", "Support for ..." and a file's
            # extension after its dot ("index.sense") are nouns.
            if spelling.isalpha() and not (kept and (
                    spelling in NOT_COMMANDS
                    or (read_as_verb is not None
                        and spelling not in read_as_verb))):
                lines.append((before + spelling, kept + verb.te() + ASK))

    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH:
            unique.setdefault(key, value)
    # Longer keys first: "please refer to" before "please refer".
    return sorted(unique.items(), key=lambda kv: -len(kv[0].split()))


def build(verbs, forms_of=None, adjectives=(), read_as_verb=None,
          auxiliary_pairs=(), read=lambda noun: None, intransitive_pairs=(),
          long_pairs=()):
    """(the lines before grammar.py's, the lines right after them).

    forms_of: as for object_lines; without it, no object lines;
    adjectives: (word, rendering, count) for so_lines; read_as_verb: the
    spellings the vocabulary reads as verbs, the only ones a command at a
    sentence's start is made of (without it, every verb's base)."""
    from .idioms import EXPRESSION_TABLE
    objects = object_lines(forms_of, intransitive_pairs, long_pairs) \
        if forms_of else []
    from .grammar import auxiliary_words
    # Not the expressions that start with "so", nor the words an
    # auxiliary's line takes first ("so rarely": "rarely" negates).
    taken = {english for english, _ in EXPRESSION_TABLE
             if english.startswith(SO)} | {"so as", "so that"} | {
                 SO + word for word in auxiliary_words()}
    senses = object_sense_lines(forms_of, auxiliary_pairs) \
        + call_lines(verbs, forms_of) if forms_of else []
    return list(PERMISSION_FIRST) + LIKE_AFTER_BE + object_marks(read), \
        senses + determiner_noun_lines(BUILT_IN_NOUNS) + OWN_LINES + permission_lines(verbs) + language_lines(verbs) + objects + MEAN \
        + please_lines(verbs) + please_lines(verbs, SENTENCE_START, read_as_verb) \
        + LITTLE_LINES + TOWN_LINES + so_lines(adjectives, taken)
