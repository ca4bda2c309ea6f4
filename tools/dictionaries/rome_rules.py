"""The rules of data/rome.txt, in the order they are applied.

rome.txt is the last dictionary: it runs in Substring mode after the
program's built-in katakana rules, and whatever Latin spelling is still in
the text when it starts has to come out of it as katakana. The built-in
rules have already taken endings such as "tion", "ing", "er", "ly", the
vowel-r pairs, "ch", "ck", "gh", and the syllables ka, ga, ki, ca, cu, qu,
ke, ge, co, go, sa, za, si, ci, ji, zi, gi, ju, je, jo, wi, vi, we, ve, wo.
What is left is mostly syllables of other consonants, vowel pairs,
clusters such as "th" and "sh", and single letters.

Every rule sees what the earlier ones left, so the table goes from the
most specific spelling to the least: three- and four-letter syllables
before two-letter ones, vowel pairs before single vowels, and last of all
one rule for each of the 26 letters, so no Latin letter can survive.
A value may hold Latin letters only where a later rule is meant to finish
the job ("tt" becomes "ッt", and "t" then meets its vowel).

Keys may contain spaces, but not at their end: the dictionary reader trims
trailing spaces from the key field.
"""

# The plural marker that the program puts after every word ending in "s".
PLURAL_MARKER = "％１０００"

# Katakana for a consonant followed by a, i, u, e, o. English "u" between
# consonants is mostly the vowel of "but", "much", "sun", so the u column
# holds the a-row sound for the consonants where that reads naturally.
ROWS = {
    "b": ("バ", "ビ", "バ", "ベ", "ボ", "ブ"),
    "c": ("カ", "シ", "カ", "セ", "コ", "ク"),
    "d": ("ダ", "ディ", "ダ", "デ", "ド", "ド"),
    "f": ("ファ", "フィ", "ファ", "フェ", "フォ", "フ"),
    "g": ("ガ", "ギ", "ガ", "ゲ", "ゴ", "グ"),
    "h": ("ハ", "ヒ", "ハ", "ヘ", "ホ", "フ"),
    "j": ("ジャ", "ジ", "ジャ", "ジェ", "ジョ", "ジ"),
    "k": ("カ", "キ", "カ", "ケ", "コ", "ク"),
    "l": ("ラ", "リ", "ラ", "レ", "ロ", "ル"),
    "m": ("マ", "ミ", "マ", "メ", "モ", "ム"),
    "n": ("ナ", "ニ", "ナ", "ネ", "ノ", "ン"),
    "p": ("パ", "ピ", "パ", "ペ", "ポ", "プ"),
    "q": ("カ", "キ", "ク", "ケ", "コ", "ク"),
    "r": ("ラ", "リ", "ラ", "レ", "ロ", "ル"),
    "s": ("サ", "シ", "サ", "セ", "ソ", "ス"),
    "t": ("タ", "ティ", "タ", "テ", "ト", "ト"),
    "v": ("ヴァ", "ヴィ", "ヴァ", "ヴェ", "ヴォ", "ヴ"),
    "w": ("ワ", "ウィ", "ウ", "ウェ", "ウォ", "ウ"),
    "x": ("クサ", "クシ", "クサ", "クセ", "クソ", "クス"),
    "y": ("ヤ", "イ", "ユ", "イェ", "ヨ", "イ"),
    "z": ("ザ", "ジ", "ザ", "ゼ", "ゾ", "ズ"),
}
# Clusters that stand for one consonant sound, with the same columns.
CLUSTERS = {
    "th": ("サ", "シ", "サ", "セ", "ソ", "ス"),
    "sh": ("シャ", "シ", "シャ", "シェ", "ショ", "シュ"),
    "ph": ("ファ", "フィ", "ファ", "フェ", "フォ", "フ"),
    "wh": ("ワ", "ウィ", "ワ", "ウェ", "ホ", "ウ"),
}
A, I, U, E, O, ALONE = range(6)

# Vowel pairs: which column the consonant takes and what follows it.
# "ee" in "see" is シー, "ou" in "house" ハウ, "ai" in "rain" レイ.
VOWEL_PAIRS = [
    ("ee", I, "ー"), ("ea", I, "ー"), ("ie", I, "ー"),
    ("oo", U, "ー"), ("ue", U, "ー"), ("ew", U, "ー"),
    ("ou", A, "ウ"), ("ow", A, "ウ"),
    ("ai", E, "イ"), ("ay", E, "イ"), ("ei", E, "イ"), ("ey", E, "イ"),
    ("oa", O, "ー"), ("au", O, "ー"), ("aw", O, "ー"),
    ("oi", O, "イ"), ("oy", O, "イ"),
]
# The same pairs with no consonant before them.
VOWEL_PAIRS_ALONE = {
    "ee": "イー", "ea": "イー", "ie": "イー", "oo": "ウー", "ue": "ウー",
    "ew": "ュー", "ou": "アウ", "ow": "アウ", "ai": "エイ", "ay": "エイ",
    "ei": "エイ", "ey": "エイ", "oa": "オー", "au": "オー", "aw": "オー",
    "oi": "オイ", "oy": "オイ",
}
VOWELS = {"a": A, "i": I, "u": U, "e": E, "o": O}
SINGLE_VOWELS = {"a": "ア", "i": "イ", "u": "ア", "e": "エ", "o": "オ",
                 "y": "イ"}

# Letters next to what the built-in rules made. "back" reaches this file as
# "baク" and "match" as "matチ"; the small tsu gives back the doubled
# consonant that those spellings stand for. The Latin vowel is kept for the
# syllable rules further down.
AFTER_BUILT_IN = [
    ("aク", "aック"), ("eク", "eック"), ("iク", "iック"), ("oク", "oック"),
    ("uク", "uック"),
    ("tチ", "ッチ"), ("dゲ", "ッジ"), ("dジ", "ッジ"),
]

# Silent letters at the start of a word.
WORD_START = [(" kn", " n"), (" wr", " r"), (" ps", " s")]

# A doubled consonant is a small tsu before the consonant, or the consonant
# once where Japanese does not double it.
DOUBLED = [
    ("bb", "ッb"), ("cc", "ッc"), ("dd", "ッd"), ("ff", "ッf"), ("gg", "ッg"),
    ("kk", "ッk"), ("pp", "ッp"), ("tt", "ッt"), ("zz", "ッz"),
    ("ll", "l"), ("mm", "m"), ("nn", "n"), ("rr", "r"), ("ss", "s"),
]

# "-ble", "-ple", "-tle" at a word's end: the e is silent.
CONSONANT_LE = [(c + "le", ROWS[c][ALONE] + "ル") for c in "bcdfgkptz"]


def _syllables(table, after_vowels=lambda spelling, row: []):
    """Every consonant of `table` with each vowel pair, then with each
    single vowel and whatever `after_vowels` adds for it: pairs first, so
    that "bea" comes before "be"."""
    rules = [(spelling + pair, row[column] + tail)
             for spelling, row in table.items() for pair, column, tail in VOWEL_PAIRS]
    for spelling, row in table.items():
        rules += [(spelling + vowel, row[column]) for vowel, column in VOWELS.items()]
        rules += after_vowels(spelling, row)
    return rules


def build():
    rules = [
        # A plural that nothing translated must not end in ス: the "s"
        # before the marker goes, just as the program's own marker removal
        # would have taken it had it still been a Latin letter.
        ("s " + PLURAL_MARKER, PLURAL_MARKER),
    ]
    rules += AFTER_BUILT_IN + WORD_START + DOUBLED + CONSONANT_LE
    # Clusters before single consonants ("tha" before "ha"), and vowel
    # pairs before single vowels ("bea" before "be").
    rules += _syllables(CLUSTERS, lambda spelling, row: [(spelling + "y", row[I] + "ー")])
    rules += _syllables(ROWS)
    # A "y" after a consonant is the vowel of "by", "sky", "my".
    for spelling, row in ROWS.items():
        if spelling != "y":
            rules.append((spelling + "y", row[A] + "イ"))
    for spelling, row in CLUSTERS.items():
        rules.append((spelling, row[ALONE]))
    rules += sorted(VOWEL_PAIRS_ALONE.items())
    # Last, every letter of the alphabet on its own.
    for letter in "abcdefghijklmnopqrstuvwxyz":
        if letter in SINGLE_VOWELS:
            rules.append((letter, SINGLE_VOWELS[letter]))
        else:
            rules.append((letter, ROWS[letter][ALONE]))
    return _unique(rules)


def _unique(rules):
    """Drop a rule whose key an earlier rule already consumed."""
    seen, out = set(), []
    for key, value in rules:
        if key not in seen:
            seen.add(key)
            out.append((key, value))
    return out


RULES = build()
