"""Words kept out of the EDICT-derived entries, each list with the reason
it exists, and the small sets of words that are treated apart."""

# ---------------------------------------------------------------------------
# Exclusions. Every word below is kept out of noun.txt and adjective.txt.
# ---------------------------------------------------------------------------

# Every word that a built-in word rule renders (the word table, which runs
# after the dictionaries), or that the capitalised-names rule takes before
# lowercasing, lowercased. A dictionary key for one of these would replace
# the word before the built-in rule could render it. The words of the
# phrase table are not here: that table runs before the dictionaries and
# takes "love" only inside "fell in love with", so "love" alone still
# needs an entry.
BUILT_IN_WORDS = """
    i and alice aristotle america asia britain china chinese english hawaii
    japanese japan korea swiss june saturday u s mt what
    especially everywhere contained actually recently suddenly adopted
    central however studded called melted please every heard hello learn
    sleep speak their there these think today where best draw hate help have
    know like lived mean most much need once said show some that they then
    this want
    tell told tons your very add any ate but die eat had her his how now
    our saw say see the you who why won an do go he if in it me my of or
    to a is are am was were did
"""

# The phrase table's patterns. It runs before the dictionaries and its
# patterns match inside longer text, so a key that holds one of them ("post
# office", "at first") can never match: the phrase has been replaced first.
PHRASE_TABLE = (
    "this is the reason why", "came to an end", "fell in love with",
    "have a sweet tooth", "has a sweet tooth", "to tell the truth",
    "was hard on", "should not", "there were", "at first", "at least",
    "by halves", "each other", "good bye", "for instance", "is subject to",
    "more than", "of course", "on fire", "post office", "came from",
    "come from", "get on", "gets on", "had to", "reffer to", "went to",
    "went out", "want to", "wants to", "-looking ")


def holds_phrase(key):
    return any(phrase in key for phrase in PHRASE_TABLE)


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


def excluded(key):
    return any(word in EXCLUDED for word in key.split())


def excluded_by_function(key):
    """Excluded for a reason other than being a word of a built-in table."""
    return any(word in EXCLUDED and word not in BUILT_IN for word in
               key.split())
