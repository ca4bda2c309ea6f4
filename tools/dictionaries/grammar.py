"""Negation, modals and passives: the verb read with what stands before it.

A word-by-word rendering reads "I don't like tea" as 私しないが好きなのは茶,
"I don't, but what I like is tea": the negation stands before the verb's
topic phrase, and a negative before が reads as "..., but". Japanese puts
negation, modality and the passive after the verb, inside one form
(好きではない, 行くだろう, 書かれた), so the dictionaries must take the
auxiliary and the verb together, as one key of several words.

Two things stand in the way, and both are met the same way:

  * a key holds at most 15 characters, and "would not understand" is 20;
  * the plural marker (％１０００ after every word in "s") stands inside
    "does not", "is not", "was not" and "has not".

So the first lines of noun.txt rewrite each auxiliary, as the
dictionaries see it (marker included: "does ％１０００ not" is 14
characters), into a short placeholder: 〓 and one kanji that names the
construction ("do not" and "does not" are 〓否). The lines after them take
the placeholder and a verb form ("〓否 like", at most 15 characters, so
verbs up to 12 letters) to the Japanese form. Last come the fallbacks: a
placeholder that no verb key took (an adverb between, a verb too rare to
have keys) becomes what the auxiliary was rendered as before, so nothing
reads worse than it did. The placeholders hold no Latin letter and no
space, so no later rule or the spelling stage can touch them, and no
English text holds 〓 beside a kanji.

The same placeholders read an adjective or a noun after a copula ("is
not happy" 嬉しくない, "will be a doctor" 医者だろう), a noun after "no"
(お金がない), and the modal phrases Japanese also puts after the verb
("want to" 行きたい, "need to" 行く必要がある, "be able to" 泳げる);
two placeholders in a row make a third ("don't want to" 行きたくない).

Keys are made only for verbs met at least MIN_COUNT times in WordNet's
tagged texts (about the thousand most frequent), passive keys down to
PASSIVE_MIN_COUNT, and keys for adjectives and nouns from their own
counts: every word that follows a placeholder in a key costs the filter
time (docs/dictionaries.md, "What the keys cost").
"""

import re

from .conjugate import Verb
from .edict import KEY_WIDTH
from .exclusions import PHRASE_TABLE
from .idioms import PHRASAL_TABLE

PLURAL_MARKER = "％１０００"
M = PLURAL_MARKER

# Verbs with fewer tagged occurrences in WordNet get no auxiliary keys:
# about the thousand most frequent (SemCor meets "swim" 13 times, "rain"
# 13). Every word that stands second in a key costs the filter time
# wherever it occurs, since its window must be checked against its left
# neighbour's: on a megabyte of English (2-core shared VM, median CPU time
# of interleaved runs) the filter took about 1.8 times as long as without
# these keys with this bound, 1.4 times with 60 (250 verbs), 1.27 times
# with 150, and 1.04 times with no verb keys at all. The held-out negation
# set went from 41% to 57% between 60 and 10. (Those ratios are from
# before the engine found rules of several words by their first two words;
# docs/dictionaries.md has today's.)
MIN_COUNT = 10
# A verb met less often gets only its passive keys, down to this count:
# they read one form, the participle, so they add few words that stand
# second in a key (the passive set went from 77% to 83% of its sentences
# with this at 5, the filter took 1.5 times main's time with all keys at
# 10, 1.86 times with all at 5).
PASSIVE_MIN_COUNT = 5
# The plain modals (will, can, could, may, must, should) read a verb met
# less often still, down to this count, in its base form alone: the
# everyday verbs that WordNet's older texts meet seldom ("apologize",
# "update", "cancel", "bake") stood after だろう or べき, "will, but ...",
# or read as a noun ("the update"). One form for six placeholders adds
# few words that stand second in a key.
MODAL_MIN_COUNT = 3
MODAL_MARKERS = ("〓将", "〓能", "〓可", "〓推", "〓義", "〓当",
                 # going to, need to, want to, wanted to; a modal with
                 # "have" before the participle
                 "〓向", "〓必", "〓欲", "〓望",
                 "〓悔", "〓然", "〓或", "〓惜", "〓確")
# Adjectives read after "is not" with fewer tagged occurrences get no key
# of their own.
ADJECTIVE_MIN_COUNT = 3
# Nouns read after "is not", "will be" or "no" with fewer tagged
# occurrences get no key of their own.
NOUN_MIN_COUNT = 10

# The auxiliaries as the dictionaries meet them (after the contraction
# rule made "n't" " not", "can't" "ca not", "won't" "wo not", and after
# the plural marking), in the order the lines must run: every key before
# the shorter keys that hold one of its words. The phrase table has
# already made "should not" がすべきでないことは; it is taken here as it
# stands. Chosen as the auxiliaries English puts before a verb, with every
# spelling the contraction rule leaves.
AUXILIARIES = [
    # negation; a bare "do not" forbids (STATEMENT_BEFORE_DO_NOT below)
    ("do not", "〓止"), ("does " + M + " not", "〓否"),
    ("did not", "〓昔"),
    ("ca not", "〓不"), ("can not", "〓不"), ("cannot", "〓不"),
    ("could not", "〓難"),
    ("wo not", "〓拒"), ("will not", "〓拒"), ("would not", "〓拒"),
    ("shall not", "〓拒"), ("sha not", "〓拒"),
    ("must not", "〓禁"), ("need not", "〓要"),
    ("may not", "〓疑"), ("might not", "〓疑"),
    ("がすべきでないことは", "〓戒"), ("ought not", "〓戒"),
    ("is " + M + " not", "〓非"), ("are not", "〓非"), ("am not", "〓非"),
    ("ai not", "〓非"),
    ("was " + M + " not", "〓失"), ("were not", "〓失"),
    ("have not", "〓未"), ("has " + M + " not", "〓未"),
    ("have never", "〓験"), ("has " + M + " never", "〓験"),
    ("had not", "〓前"), ("had never", "〓前"),
    ("will never", "〓拒"), ("would never", "〓拒"), ("can never", "〓不"),
    ("could never", "〓難"),
    ("never", "〓絶"),
    # modals
    ("have to", "〓義"), ("has " + M + " to", "〓義"),
    ("ought to", "〓当"),
    ("will", "〓将"), ("would", "〓将"), ("shall", "〓将"),
    ("can", "〓能"), ("could", "〓可"),
    ("may", "〓推"), ("might", "〓推"),
    ("must", "〓義"), ("should", "〓当"),
    # the passive: a form of "be" before a participle
    ("has " + M + " been", "〓被"), ("have been", "〓被"),
    ("had been", "〓被"),
    ("is " + M, "〓受"), ("are", "〓受"), ("am", "〓受"),
    ("was " + M, "〓被"), ("were", "〓被"), ("been", "〓被"),
]

# "Don't touch that", "Do not remove the cover": a "do not" with no
# subject before it tells someone not to (触らないで), where it read as a
# statement with no subject (が触らないのは, "the one who does not touch").
# No key can see the start of a line, where most prohibitions stand, so a
# bare "do not" is the prohibition, and the words that stand before a
# statement's "do not" keep it one: the pronouns ("I" is 私 already),
# the plural marker of a subject in -s, the plurals without -s, the
# relatives, and the adverbs met between a subject and its "do not"
# ("I still don't know"). "does not" and "did not" never forbid.
# (each as the word table renders it alone, or as a pronoun where that
# is a determiner: "some" いくつか)
STATEMENT_BEFORE_DO_NOT = {
    "私": "私", "i": "私", "you": "あなた", "we": "私たち", "they": "それら",
    M: M, "people": "人々", "children": "子供たち", "men": "男たち",
    "women": "女たち", "these": "これら", "those": "それら",
    "some": "いくつか", "many": "多く", "most": "ほとんど",
    "both": "両方", "all": "皆", "police": "警察", "staff": "スタッフ",
    "data": "データ",
    # a relative goes before its verb, as in "that acts" (が行動する)
    "who": "", "that": "", "which": ""}
INVERTED_SUBJECTS_OF_DO = {"you": "あなた", "we": "私たち", "they": "彼ら"}
STATEMENT_ADVERBS = ("still", "really", "just", "also", "often", "usually",
                     "simply", "actually", "probably", "even", "normally",
                     "typically")
# (the adverbs' keys are made after BETWEEN, which renders them)
# "Don't you like it?", "don't they know?": a question, not a
# prohibition; the subject, then the statement's negation.
AUXILIARIES += [("do not " + subject, INVERTED_SUBJECTS_OF_DO[subject]
                 + " 〓否") for subject in ("you", "we", "they")]
# A subject with "'ll" or "'d" (the contraction rule leaves them): the
# subject as the built-in table renders a pronoun (私, without は: the verb
# key brings its が, 私が行くだろう), then the placeholder of "will" ("I'd"
# is mostly "I would" before a verb; "I had" before a participle reads as
# the past either way).
SUBJECTS = {"i": "私", "you": "あなた", "he": "彼", "she": "彼女",
            "it": "それ", "we": "私たち", "they": "彼ら"}
for _subject, _japanese in sorted(SUBJECTS.items()):
    AUXILIARIES.append((_subject + "'ll", _japanese + " 〓将"))
    AUXILIARIES.append((_subject + "'d rather", _japanese + " 〓寧"))
    AUXILIARIES.append((_subject + "'d better", _japanese + " 〓善"))
    AUXILIARIES.append((_subject + "'d like to", _japanese + " 〓欲"))
    AUXILIARIES.append((_subject + "'d like", _japanese + " 〓好"))
    AUXILIARIES.append((_subject + "'d", _japanese + " 〓将"))
# A subject with a form of "be" run into it, as the dictionaries meet it:
# the built-in contraction table has made "I'm" 私は and "We're" 私達は,
# "'s " has become " の ", and the others stay words. Before "not", the
# negative copula follows the subject (without は, as after "is not": 私
# ハングリーではない, 私が行っていない).
BE_SUBJECTS = {"私は": "私", "私達は": "私達", "we're": "私達",
               "you're": "あなた", "they're": "彼ら", "he の": "彼",
               "she の": "彼女", "it の": "それ", "that の": "それ"}
for _subject, _japanese in sorted(BE_SUBJECTS.items()):
    AUXILIARIES.append((_subject + " not", _japanese + " 〓非"))
# "I'm never late", "we're never going back": "never" with the copula run
# into the subject ("he's never" is read below as "he has never").
for _subject, _japanese in sorted(BE_SUBJECTS.items()):
    if not _subject.endswith(" の"):
        AUXILIARIES.append((_subject + " never", _japanese + " 〓常"))
# Before "going to", "able to", "supposed to", "about to" and "no longer"
# ("I'm going to buy"), the subject loses its は the same way: 私が買う
# であろうのは, not 私はが買う.
BE_SUBJECT_BEFORE = ("〓向", "〓能", "〓筈", "〓際", "〓久")
# A subject that says nobody or nothing did it: the verb after it is
# negative, and the subject reads 誰も, 何も. "none of them" is 彼らの誰も.
AUXILIARIES += [("no one", "〓誰"), ("nobody", "〓誰"), ("nothing", "〓何"),
                ("none", "〓零")]
# "nobody's perfect", "nothing's wrong": the "'s" the phrase stage made の
# is "is" here, and 誰も with the negative copula reads it.
# "neither" and "nor" before a verb ("she neither called nor wrote"): each
# verb negative, with no subject of its own (NEITHER_NOR); before anything
# else they read as before (どちらも…ない, も…ない). "neither of us went":
# both of us, and the negative verb.
# "us" takes the plural marker after it, which would stand between the
# placeholder and the verb ("none of us ％１０００ went"): its keys make
# a placeholder of their own, which the lines of US_PLACEHOLDERS take
# back with the marker before any placeholder meets its verb.
AUXILIARIES += [("neither of " + pronoun, japanese + "どちらも 〓両")
                for pronoun, japanese in (("them", "彼らの"),
                                          ("you", "あなたたちの"),
                                          ("us", "私たちの"))]
# A bare "neither" has a placeholder of its own: before a verb it reads
# as the first of two denials (呼ばず), where "neither of them" reads the
# verb as a negative of its own (彼らのどちらも来なかった).
AUXILIARIES += [("neither", "〓並"), ("nor", "〓亦")]
AUXILIARIES += [("nobody の", "〓誰 〓受"), ("no one の", "〓誰 〓受"),
                ("nothing の", "〓何 〓受")]
AUXILIARIES += [("none of " + pronoun, japanese + " 〓衆")
                for pronoun, japanese in (("them", "彼らの"),
                                          ("us", "私たちの"),
                                          ("you", "あなたたちの"))]
# The placeholders of "none of" and "neither of", with the marker that
# follows "us" (or none), become the placeholders of "nobody" and
# "neither", which meet the verb.
US_PLACEHOLDERS = [("〓衆 " + M, "〓誰"), ("〓両 " + M, "〓双"),
                   ("〓衆", "〓誰"), ("〓両", "〓双")]
# "no" before a noun: the noun, then that there is none (お金がない). "have
# no" reads the same: 私 お金がない is closer to "I have no money" than 私が
# 持っているのは無いお金.
AUXILIARIES += [("have nothing", "〓何"),
                ("have no", "〓無"), ("has " + M + " no", "〓無"),
                ("no longer", "〓久"), ("no", "〓全")]
# After a preposition, "no" and its noun are its object, never the
# subject of the verb that follows ("called with no arguments returns",
# "in no case can"): there is none, as before (引数がない), with the
# preposition as the word table renders it. "by" is left out: a key of
# its own would drop the expression "by no means" (決して…ない).
NO_AFTER = {"with": "と一緒に", "for": "のために", "of": "の", "at": "で",
            "on": "の上に", "from": "から",
            "under": "の下に", "into": "の中へ", "about": "について",
            "after": "の後で", "before": "の前に", "during": "の間",
            "in": "それがあるのは", "to": "その対象は"}
AUXILIARIES += [(word + " no", japanese + " 〓無")
                for word, japanese in sorted(NO_AFTER.items())]
# "had no" and "there was no" say the same of the past: 時間がなかった.
AUXILIARIES += [("had no", "〓缺"), ("had nothing", "〓何")]
# "without" before a verb in -ing (言わずに) or a noun (傘なしで); "not to"
# before a verb (行かないこと).
AUXILIARIES += [("without", "〓抜"), ("not to", "〓莫")]
AUXILIARIES += [("hardly ever", "〓稀"), ("rarely", "〓稀"), ("seldom", "〓稀"),
                ("hardly", "〓殆"), ("scarcely", "〓殆")]
# The perfect with a subject run into it ("I've never seen"): the subject,
# then the placeholder of "have not" or "have never" (見たことがない, what
# one has never done).
AUXILIARIES += [(subject + "'ve " + word, SUBJECTS[subject] + " " + marker)
                for subject in ("i", "we", "you", "they")
                for word, marker in (("never", "〓験"), ("not", "〓未"))]
AUXILIARIES += [(subject + " の never", japanese + " 〓験")
                for subject, japanese in (("he", "彼"), ("she", "彼女"),
                                          ("it", "それ"))]
# "have got to" is "have to"; "be supposed to", "be likely to" and "be
# about to" say after the verb what is expected or near (行くはずだ, 行く
# ところだ); the "be" before them is the copula the fallback deletes.
AUXILIARIES += [("have got to", "〓義")]
AUXILIARIES += [(subject + "'ve got to", SUBJECTS[subject] + " 〓義")
                for subject in ("i", "we", "you", "they")]
# "has got to" is one word too long for a key with the plural marker
# after "has": "has got" becomes a placeholder of its own, which "to"
# makes the duty ("he has got to stop" 止めなければならない) and which
# alone is what "has got" says, that one has it (持っている). "he's got
# to" is the same, with the "'s" the phrase stage made の.
AUXILIARIES += [("has " + M + " got", "〓獲")]
AUXILIARIES += [(subject + " の got to", japanese + " 〓義")
                for subject, japanese in (("he", "彼"), ("she", "彼女"),
                                          ("it", "それ"))]
# "could it be true?", "could that be him?": a guess, as "it could be"
# reads (本当かもしれない), not whether it is able (それできる).
AUXILIARIES += [("could " + subject + " be", japanese + " 〓恐")
                for subject, japanese in (("it", "それ"), ("that", "それ"),
                                          ("he", "彼"),
                                          ("she", "彼女"),
                                          ("they", "彼ら"))]
# "why don't you sit down?" and "why not ask her?" suggest doing it
# (座ったらどう), where "why" and the negative read as a question why one
# does not (なぜあなたが座らない).
AUXILIARIES += [("why do not you", "あなた 〓勧"), ("why not", "〓勧")]
# "let's go", "why don't we ask?":
# doing it together, said with ましょう after the verb's
# stem (行きましょう); "let's" alone read しよう before the verb's topic
# phrase, "let's, but it goes" (しようが帰る).
AUXILIARIES += [("let の", "〓誘"), ("why do not we", "〓誘")]
# "shall I open it?", "shall we go?" offer or ask, and say so with か
# (開けましょうか): read as "let's", 開けましょう said the offer as a plan.
AUXILIARIES += [("shall we", "〓伺"), ("shall 私", "〓伺")]
AUXILIARIES += [("supposed to", "〓筈"), ("likely to", "〓筈"),
                ("about to", "〓際")]
# Wanting, needing and being able, which Japanese says after the verb
# (行きたい, 行く必要がある, 泳げる). The built-in phrase table has made "want
# to" and "wants to" がしたい事 and "had to" がしなければならなかったのは
# before the dictionaries run; they are taken as they stand.
AUXILIARIES += [
    ("would like to", "〓欲"), ("would like", "〓好"),
    ("would you like", "あなた 〓好"),
    ("would rather", "〓寧"), ("had better", "〓善"),
    ("may 私", "私 〓允"), ("may we", "私たち 〓允"),
    ("がしたい事", "〓欲"), ("wanted to", "〓望"),
    ("need to", "〓必"), ("needs " + M + " to", "〓必"),
    ("needed to", "〓必"),
    ("がしなければならなかったのは", "〓務"),
    ("unable to", "〓不"), ("able to", "〓能"),
    ("going to", "〓向"), ("used to", "〓慣"),
]
# Placeholders read together: the negation or tense before another
# auxiliary, and "be" after a modal ("will be", "must be"), before an
# adjective, a noun or a participle.
AUXILIARIES += [
    # "nobody can", "nothing is": 誰も and the negative of the modal or
    # the copula after it, before the modal meets its "be"
    # ("nothing can be done").
    ("〓誰 〓能", "誰も 〓不"), ("〓誰 〓可", "誰も 〓難"),
    ("〓誰 〓将", "誰も 〓拒"), ("〓誰 〓受", "誰も 〓非"),
    ("〓誰 〓被", "誰も 〓失"), ("〓誰 〓義", "誰も 〓要"),
    ("〓何 〓能", "何も 〓不"), ("〓何 〓将", "何も 〓拒"),
    ("〓何 〓受", "何も 〓非"), ("〓何 〓被", "何も 〓失"),
    ("〓否 〓欲", "〓厭"), ("〓昔 〓欲", "〓嫌"),
    ("〓誰 〓欲", "誰も 〓厭"), ("〓何 〓欲", "何も 〓厭"),
    ("〓否 〓必", "〓要"), ("〓否 〓義", "〓要"), ("〓昔 〓必", "〓省"),
    # "will not need to", "won't have to", "won't want to": read apart,
    # しないだろう stood before が as "..., but"; the need or wish denied
    # says it (使う必要はない, 行きたくない).
    ("〓拒 〓必", "〓要"), ("〓拒 〓義", "〓要"), ("〓拒 〓欲", "〓厭"),
    # "didn't have to" as "didn't need to"; "might have to" the duty,
    # then the guess (行かなければならないかもしれない).
    ("〓昔 〓義", "〓省"), ("〓推 〓義", "〓迫"),
    # "might want to", "may need to": the wish or the need, then the
    # guess; read apart, the modal stood before が as "..., but".
    ("〓推 〓欲", "〓願"), ("〓推 〓必", "〓須"),
    # "nobody wanted to", "nobody should", "nobody needs to", "nobody
    # may": 誰も and the negative of what follows, as with "nobody can".
    ("〓誰 〓望", "誰も 〓嫌"), ("〓誰 〓当", "誰も 〓戒"),
    ("〓誰 〓必", "誰も 〓要"), ("〓誰 〓推", "誰も 〓疑"),
    ("〓何 〓可", "何も 〓難"), ("〓何 〓当", "何も 〓戒"),
    # "neither of us can", "neither of them will": the negative of the
    # modal, after どちらも.
    ("〓双 〓能", "〓不"), ("〓双 〓可", "〓難"), ("〓双 〓将", "〓拒"),
    ("〓双 〓受", "〓非"), ("〓双 〓被", "〓失"), ("〓双 〓当", "〓戒"),
    ("〓並 〓能", "〓不"), ("〓並 〓可", "〓難"), ("〓並 〓将", "〓拒"),
    ("〓並 〓受", "〓非"), ("〓並 〓被", "〓失"), ("〓並 〓当", "〓戒"),
    ("〓被 〓能", "〓得"), ("〓失 〓能", "〓難"), ("〓非 〓能", "〓不"),
    ("〓受 〓慣", "が使われる 〓的"),
    ("〓被 〓慣", "が使われた 〓的"),
    ("〓将 be", "〓来"), ("〓推 be", "〓恐"), ("〓可 be", "〓恐"),
    ("〓義 be", "〓違"), ("〓当 be", "〓宜"), ("〓能 be", "〓許"),
    ("〓拒 be", "〓没"), ("〓不 be", "〓阻"),
    ("〓未 〓被", "〓欠"), ("〓受 being", "〓進"), ("〓被 being", "〓途"),
    ("〓受 〓久", "〓久"), ("〓被 〓久", "〓久"),
    ("〓来 〓能", "〓叶"), ("〓否 be", "〓勿"), ("〓禁 be", "〓勿"),
    ("〓戒 be", "〓慎"), ("〓験 〓被", "〓欠"),
] + [
    # "Don't be late" forbids as "must not be" does; "don't want to",
    # "don't need to" read as the statement's.
    ("〓止 be", "〓勿"), ("〓止 〓欲", "〓厭"), ("〓止 〓必", "〓要"),
    ("〓止 〓義", "〓要"),
] + [
    (subject + " " + marker, japanese + " " + marker)
    for subject, japanese in sorted(BE_SUBJECTS.items())
    for marker in BE_SUBJECT_BEFORE
] + [
    ("〓好 to", "〓欲"), ("〓将 〓義", "〓義"),
    # "is not at home", "was not in the drawer": where the subject is
    # not, in the built-in style of "in" (それがあるのは, "where it is
    # is"): 彼がいないのは家庭.
    ("〓非 at", "がいないのは"), ("〓失 at", "がいなかったのは"),
    ("〓非 in", "がないのは"), ("〓失 in", "がなかったのは"),
    ("〓非 on", "がないのは"), ("〓失 on", "がなかったのは"),
    # "there isn't any milk" is "there is no milk".
    ("〓非 any", "〓無"), ("〓失 any", "〓缺"),
    ("〓被 〓無", "〓缺"),
    # "there is no", "there was no": a bare "no" after the copula says
    # there is none, as "have no" does.
    ("〓受 〓全", "〓無"), ("〓被 〓全", "〓缺"),
    # "there isn't anything to do": nothing to do. ("don't have any" is
    # left to the verb: a noun without a key of its own would lose the
    # negation 持っていない to the placeholder's fallback.)
    ("〓非 anything", "〓何"), ("〓失 anything", "〓何"),
    ("〓非 anyone", "〓誰"), ("〓失 anyone", "〓誰"),
    # "haven't got" is "don't have".
    ("〓未 got", "が持っていないのは"),
    # "has been to" a place, and "has never been to" one.
    ("〓被 to", "が行ったことがあるのは"), ("〓欠 to", "が行ったことがないのは"), ("〓没 〓能", "〓不"), ("〓非 〓向", "〓背"),
    # A modal with "have" before a participle: what might have been.
    ("〓当 have", "〓悔"), ("〓将 have", "〓然"), ("〓推 have", "〓或"),
    ("〓可 have", "〓惜"), ("〓義 have", "〓確"),
    # A modal before "have been" (which its own line has made 〓被
    # first): the passive past, then the guess ("may have been stolen"
    # 盗まれたかもしれない, where the modal stood before が as "may, but").
    # "needs to be fixed": the passive, then the need; "is going to be
    # used" is "will be used".
    ("〓必 be", "〓需"), ("〓受 〓向", "〓向"), ("〓向 be", "〓来"),
    # "will need to" is the need (read apart, だろうが stood before the
    # need); "might be able to" the potential, then the guess; "must be
    # able to" the potential as a duty (泳げなければならない); "should be
    # able to" what is expected (泳げるはずだ).
    ("〓将 〓必", "〓必"), ("〓恐 〓能", "〓可"), ("〓違 〓能", "〓勤"),
    ("〓宜 〓能", "〓期"),
    # "will have to be written": "have to be" has met first.
    ("〓将 〓違", "〓違"),
    # "had to be written": the passive as a past duty.
    ("〓務 be", "〓責"),
    ("〓推 〓被", "〓嘗"), ("〓可 〓被", "〓嘗"), ("〓義 〓被", "〓証"),
    ("〓当 〓被", "〓遺"), ("〓将 〓被", "〓曾"),
    # The same, negated: what should not, could not, would not or may
    # not have been ("shouldn't have left" 去るべきではなかった, "can't have
    # known" 知ったはずがない).
    ("〓戒 have", "〓恨"), ("〓難 have", "〓虚"), ("〓不 have", "〓虚"),
    ("〓拒 have", "〓空"), ("〓疑 have", "〓迷"),
    # "aren't supposed to" is what one should not do (吸うべきではない);
    # read apart, ではない stood before が as "..., but". "isn't allowed
    # to" is what one must not do (行ってはいけない).
    ("〓非 〓筈", "〓戒"), ("〓失 〓筈", "〓戒"),
    ("〓非 allowed to", "〓禁"), ("〓非 permitted to", "〓禁"),
    # "would rather not", "had better not": the negative before 方がいい.
    ("〓寧 not", "〓避"), ("〓善 not", "〓避"),
    # "nothing to eat", "nobody to ask": what there is none of to do.
    ("〓何 to", "〓乏"), ("〓誰 to", "〓孤"),
    # "has got to" (the placeholder of "has got" above).
    ("〓獲 to", "〓義"),
    # "didn't use to smoke": what one did not do then, the past negative
    # (吸わなかった); read apart, "use" was the verb (使わなかった).
    ("〓昔 use to", "〓昔"), ("〓昔 used to", "〓昔"),
    # "don't ever do that", "I don't ever eat meat": never (決して…ない);
    # read apart, "ever" was かつて before a negative.
    ("〓否 ever", "〓絶"),
    # and as a prohibition, never to do it (決して行かないで)
    ("〓止 ever", "決して 〓止"),
]
# After 誰も, 何も and どちらも the verb takes no が of its own: 誰もが泳げ
# ない reads "everyone cannot swim", 誰も泳げない "nobody can swim". The
# negatives that follow them ("nobody can", "neither of us will") have
# twins whose keys read the verb without its が (SUBJECTLESS); the other
# negatives keep theirs.
SUBJECTLESS = {"〓不": "〓弗", "〓難": "〓艱", "〓拒": "〓却", "〓要": "〓需",
               "〓戒": "〓誡", "〓疑": "〓惑", "〓厭": "〓倦", "〓嫌": "〓忌"}
_SUBJECTS_OF_NONE = ("誰も ", "何も ")
AUXILIARIES = [
    (key, value[:3] + SUBJECTLESS.get(value[3:], value[3:]))
    if value.startswith(_SUBJECTS_OF_NONE) else
    (key, SUBJECTLESS.get(value, value)) if key.startswith("〓双 ") else
    (key, value)
    for key, value in AUXILIARIES]
# A twin meets "be", "have" and the other auxiliaries as its negative
# does ("nothing can be done" 何も and the passive it cannot be).
AUXILIARIES += [(SUBJECTLESS[key[:2]] + key[2:], value)
                for key, value in AUXILIARIES
                if key[:2] in SUBJECTLESS and key[2:3] == " "]


# A question that starts with a modal ("can you swim?"): the subject, then
# the modal's placeholder, as in "you can swim".
# The built-in table has made a capital "I" 私 before the dictionaries
# run; it stays "i" only where something is run into it ("i'll").
INVERTED_SUBJECTS = {("私" if subject == "i" else subject): japanese
                     for subject, japanese in SUBJECTS.items()}
AUXILIARIES += [(modal + " " + subject, INVERTED_SUBJECTS[subject] + " "
                 + marker)
                for modal, marker in (("can", "〓能"), ("could", "〓能"),
                                      ("will", "〓将"), ("would", "〓将"),
                                      # "should it be removed?": made
                                      # here, the subject's move comes
                                      # before "be" joins the modal.
                                      ("should", "〓当"), ("must", "〓義"),
                                      ("may", "〓推"), ("might", "〓推"))
                for subject in ("私", "you", "we", "he", "she", "it",
                                "they")
                if (modal, subject) not in (("could", "you"),
                                            ("would", "you"),
                                            # leave, asked below
                                            ("may", "私"), ("may", "we"))]
# A negative question written out ("did you not receive", "can we not
# go"): the subject, then the negation's placeholder, as in "you did not
# receive"; read apart, "not" stood alone before the verb (あなたないが受
# け取る, "there is none, but you receive"). "does she not" and the like
# are longer than a key and stay as they were; "could you not" asks a
# favour, as "could you" does.
AUXILIARIES += [(aux + " " + subject + " not",
                 INVERTED_SUBJECTS[subject] + " " + marker)
                for aux, marker in (("do", "〓否"), ("does " + M, "〓否"),
                                    ("did", "〓昔"), ("can", "〓不"),
                                    ("could", "〓難"), ("will", "〓拒"),
                                    ("would", "〓拒"), ("is " + M, "〓非"),
                                    ("are", "〓非"), ("was " + M, "〓失"),
                                    ("were", "〓失"), ("have", "〓未"),
                                    ("has " + M, "〓未"), ("should", "〓戒"))
                for subject in ("私", "you", "we", "he", "she", "it", "they")
                if len(aux + " " + subject + " not") <= KEY_WIDTH
                and (aux, subject) not in (("could", "you"),
                                           ("would", "you"))]
# "Could you open the window?" and "would you help me?" ask a favour, not
# whether one is able: 開けてくれませんか. "Would you like" and a modal
# with "be" after it ("could you be") keep their own readings, as the
# longer keys run first.
AUXILIARIES += [("could you be", "あなた 〓許"), ("would you be", "あなた 〓来"),
                ("could you", "あなた 〓頼"), ("would you", "あなた 〓頼")]
# Where someone must, may or will be ("must be at home", "should be in the
# office"): the verb of being there, in the modal's form, in the built-in
# style of "is not at" (彼がいるに違いないのは家庭).
AUXILIARIES += [(marker + " " + word, "が" + verb + ending + "のは")
                for marker, ending in (("〓違", "に違いない"),
                                       ("〓来", "だろう"),
                                       ("〓恐", "かもしれない"),
                                       ("〓宜", "はずだ"))
                for word, verb in (("at", "いる"), ("in", "ある"),
                                   ("on", "ある"))]

# Adverbs that often stand between an auxiliary and its verb ("don't
# really like", "is also used", "will always be"): each is moved before
# the placeholder, so that the placeholder meets its verb. Chosen as the
# adverbs English puts there most, rendered as the core renders them.
BETWEEN = {"really": "本当に", "always": "いつも", "even": "でさえ",
           "ever": "かつて", "actually": "実際に", "just": "ちょうど",
           "also": "また", "usually": "普通", "often": "よく",
           "still": "まだ", "necessarily": "必ずしも", "quite": "かなり",
           "simply": "単に", "already": "すでに", "normally": "通常",
           "completely": "完全に", "fully": "十分に", "yet": "まだ",
           "automatically": "自動的に", "only": "だけ",
           "probably": "たぶん", "certainly": "確かに", "soon": "すぐに",
           "easily": "簡単に", "all": "皆", "now": "今",
           "particularly": "特に", "exactly": "正確に", "much": "あまり",
           "totally": "全く", "entirely": "完全に",
           # More adverbs met between a negation and its verb ("didn't
           # immediately answer", "does not explicitly say").
           "generally": "一般に", "immediately": "すぐに",
           "personally": "個人的に", "properly": "きちんと",
           "clearly": "はっきり", "directly": "直接",
           "absolutely": "絶対に", "honestly": "正直",
           "seriously": "真剣に", "initially": "最初は",
           "explicitly": "明示的に", "typically": "通常",
           "currently": "現在", "strictly": "厳密に",
           # and the adverbs of manner and time a manual or a request
           # puts there ("should carefully read", "will eventually
           # fail", "can safely remove").
           "carefully": "注意深く", "quickly": "素早く", "slowly": "ゆっくり",
           "finally": "ついに",
           "correctly": "正しく",
           "successfully": "うまく",
           "definitely": "絶対に",
           "surely": "確かに", "eventually": "結局", "sometimes": "時々",
           "occasionally": "たまに",
           "strongly": "強く", "gladly": "喜んで",
           "suddenly": "突然", "safely": "安全に", "truly": "本当に",
           "regularly": "定期的に"}
# (The marker's line goes first of all: the lines are ordered by their
# words but for the marker, and "do not" of as many stands first.)
AUXILIARIES[:0] = [(M + " do not", M + " 〓否")]
AUXILIARIES += [(word + " do not", (japanese + " " if japanese else "")
                 + "〓否")
                for word, japanese in sorted(STATEMENT_BEFORE_DO_NOT.items())
                if word != M] + [(adverb + " do not", BETWEEN[adverb] + " 〓否")
                     for adverb in STATEMENT_ADVERBS
                     if len(adverb + " do not") <= KEY_WIDTH]
# Words that stand between a modal and its verb, and elsewhere mean
# something else ("is first" 最初の, "please me"): moved out after the
# modals only. "please" asks already in "could you", and goes.
MODAL_BETWEEN = {"then": "それから", "first": "まず", "please": ""}
MODAL_BETWEEN_MARKERS = ("〓将", "〓能", "〓可", "〓推", "〓義", "〓当",
                         "〓頼")


def _modal_between():
    return [(m + " " + word, (japanese + " " if japanese else "") + m)
            for m in MODAL_BETWEEN_MARKERS
            for word, japanese in sorted(MODAL_BETWEEN.items())]


# The auxiliaries that open a question, before their subject.
INVERTING = {"〓否", "〓昔", "〓不", "〓難", "〓拒", "〓非", "〓失", "〓未",
             "〓前", "〓将", "〓能", "〓可", "〓推", "〓義", "〓当", "〓受",
             "〓被"}
# "very" after a negation is あまり ("isn't very tall" あまり高くない),
# elsewhere とても.
NEGATIVE_MARKERS = {"〓否", "〓昔", "〓不", "〓難", "〓拒", "〓疑", "〓非",
                    "〓失", "〓未", "〓前", "〓没", "〓欠"}
# The words that stand between a copula and its noun or adjective ("is
# not a doctor", "will be the first", "is not my book"): an article goes,
# a possessive moves before the placeholder, as the adverbs do.
DETERMINERS = {"a": "", "an": "", "the": "その", "my": "私の",
               "your": "あなたの", "his": "彼の", "her": "彼女の",
               "our": "私たちの", "their": "彼らの", "own": "自身の"}
# After "is not" and "was not", a determiner says a noun follows, perhaps
# after adjectives ("is not the main thing"): the placeholder becomes one
# that moves an adjective before it and reads the noun (主な 〓名 thing →
# 主なことではない).
NOUN_PHRASE = {"〓非": "〓名", "〓失": "〓旧"}

# What each placeholder becomes when no verb key took it: the rendering
# the auxiliary had before (the core's word, or nothing for the copulas
# the built-in table deletes), so that nothing reads worse than it did.
FALLBACKS = {
    "〓否": "しない", "〓止": "しないで", "〓昔": "しなかった", "〓不": "できない",
    "〓難": "できなかった", "〓拒": "しないだろう", "〓禁": "してはならない",
    "〓要": "必要はない", "〓疑": "ないかもしれない",
    "〓戒": "がすべきでないことは", "〓非": "ではない", "〓失": "ではなかった",
    "〓未": "ない", "〓前": "なかった", "〓絶": "決して…ない",
    "〓義": "しなければならない", "〓当": "べき", "〓将": "だろう",
    "〓能": "できる", "〓可": "できた", "〓推": "かもしれない",
    "〓受": "", "〓被": "", "〓誰": "誰も…ない", "〓何": "何も…ない",
    "〓来": "だろう", "〓恐": "かもしれない",
    "〓無": "無い", "〓欲": "がしたい事", "〓好": "が欲しいのは",
    "〓望": "が欲したのは 〓的", "〓必": "が必要なのは 〓的",
    "〓務": "がしなければならなかったのは", "〓向": "が行っている 〓的",
    "〓慣": "が使ったのは 〓的", "〓的": "その対象は",
    "〓厭": "したくない", "〓嫌": "したくなかった", "〓省": "必要はなかった",
    "〓得": "できた", "〓叶": "できるだろう",
    "〓迫": "しなければならないかもしれない",
    # As "don't want to" reads したくない: the wish or need, the guess.
    "〓願": "したいかもしれない", "〓須": "必要があるかもしれない",
    "〓頼": "できる", "〓勧": "なぜ…ない", "〓獲": "が持っているのは",
    "〓誘": "しよう", "〓伺": "しましょうか",
    # "can't help" and "couldn't help" before anything but a verb in -ing
    # is the verb "help" ("I can't help you"), as its own keys read it.
    "〓堪": "が助けられないのは", "〓忍": "が助けられなかったのは",
    "〓稀": "めったに…ない", "〓殆": "ほとんど…ない", "〓零": "一つも…ない", "〓缺": "無かった",
    "〓双": "どちらも…ない", "〓並": "どちらも…ない", "〓亦": "も…ない",
    "〓全": "無い", "〓亡": "がない",
    "〓常": "決して…ない",
    # What each negated modal with "have" read before: the modal, then
    # "have" as the verb (が持つべきではないのは).
    "〓恨": "が持つべきではないのは", "〓虚": "が持てないのは",
    "〓空": "が持たないであろうのは", "〓迷": "が持たないかもしれないのは",
    "〓避": "むしろない", "〓乏": "何も…ない 〓的",
    "〓孤": "誰も…ない 〓的", "〓違": "に違いない",
    "〓宜": "べき", "〓許": "できる", "〓没": "ないだろう", "〓阻": "できない",
    "〓欠": "ない", "〓進": "", "〓途": "", "〓過": "る",
    "〓名": "ではない", "〓旧": "ではなかった", "〓験": "ない",
    "〓勿": "てはいけない", "〓慎": "べきではない",
    "〓筈": "はず 〓的", "〓際": "について 〓的",
    "〓寧": "むしろ", "〓善": "が持っていたのは", "〓允": "かもしれない",
    "〓背": "が行っていない 〓的", "〓莫": "ない 〓的", "〓久": "もはや…ない", "〓抜": "なしで",
    # A modal with "have" and no participle after it is "have" the verb,
    # as its key reads it ("should have a rest" が持つべきなのは).
    "〓悔": "が持つべきなのは", "〓然": "が持つであろうのは",
    "〓或": "が持つかもしれないのは", "〓惜": "が持てるかもしれないのは",
    "〓確": "が持たなければならないのは",
    # A modal with "have been" and no participle after it: the modal, as
    # the two placeholders read apart.
    "〓嘗": "かもしれない", "〓証": "に違いない", "〓遺": "べきだった",
    "〓曾": "だろう", "〓需": "が必要なのは 〓的",
    "〓勤": "しなければならない", "〓期": "べき",
    "〓責": "がしなければならなかったのは",
}


FALLBACKS.update({twin: FALLBACKS[negative]
                  for negative, twin in SUBJECTLESS.items()})


# "anything", "anyone" and "anybody" after a negative verb are what none
# of is done ("didn't say anything" 何も言わなかった, "don't know anyone"
# 誰も知らない); elsewhere they keep their own reading (何でも, "I'd eat
# anything"). Each becomes a placeholder (anyone and anybody the same),
# short enough to stand third in a key after a placeholder and a verb
# ("〓昔 understand 〓任"), and the placeholder becomes the word's own
# reading again after the verb keys.
ANY_WORDS = [("anything", "〓任"), ("anyone", "〓人"), ("anybody", "〓人")]
# What each becomes where no negative verb took it: the reading the word
# table gave it before (a key of noun.txt takes the word from
# adjective.txt, so the fallback must say it in Japanese).
ANY_FALLBACKS = {"〓任": "何でも", "〓人": "誰でも"}
ANY_OBJECTS = {"〓任": "何も", "〓人": "誰も"}
# The negative placeholders that take such an object: do not, did not,
# cannot, could not, will not, may not, must not, have not, do/did not
# want to.
ANY_MARKERS = {"〓否", "〓昔", "〓不", "〓難", "〓拒", "〓疑", "〓禁", "〓未",
               "〓前", "〓厭", "〓嫌"}


def _topic(transitive):
    return "のは" if transitive else ""


# How each placeholder reads with a verb: (the English forms it takes, the
# rendering of a Verb, transitive or not). The rendering keeps the built-in
# style: が + the verb's form, + のは where an object follows.
def _verb_forms():
    def t(f):
        return lambda v, tr: "が" + f(v) + _topic(tr)

    def modal(f, plain, topical):
        return lambda v, tr: "が" + f(v) + (topical if tr else plain)

    forms = {
        "〓否": (("base",), t(lambda v: v.negative())),
        # A prohibition: 触らないで, and with an object "what not to
        # touch is": 触らないでほしいのは その.
        "〓止": (("base",), lambda v, tr: v.negative() + "で"
                 + ("ほしいのは" if tr else "")),
        "〓昔": (("base",), t(lambda v: v.past_negative())),
        "〓不": (("base",), t(lambda v: v.potential_negative())),
        "〓難": (("base",), t(lambda v: v.potential_negative()[:-1]
                              + "かった")),
        "〓拒": (("base",), modal(lambda v: v.negative(), "だろう",
                                  "であろうのは")),
        "〓禁": (("base",), t(lambda v: v.te() + "はいけない")),
        "〓要": (("base",), t(lambda v: v.dictionary + "必要はない")),
        "〓疑": (("base",), t(lambda v: v.negative() + "かもしれない")),
        "〓戒": (("base",), t(lambda v: v.dictionary + "べきではない")),
        "〓将": (("base",), modal(lambda v: v.dictionary, "だろう",
                                  "であろうのは")),
        "〓能": (("base",), t(lambda v: v.potential())),
        "〓勤": (("base",), t(lambda v: v.potential()[:-1]
                              + "なければならない")),
        "〓期": (("base",), modal(lambda v: v.potential(), "はずだ",
                                  "はずなのは")),
        "〓可": (("base",), t(lambda v: v.potential() + "かもしれない")),
        "〓推": (("base",), t(lambda v: v.dictionary + "かもしれない")),
        "〓義": (("base",), t(lambda v: v.must())),
        "〓当": (("base",), modal(lambda v: v.dictionary, "べきだ",
                                  "べきなのは")),
        "〓欲": (("base",), t(lambda v: v.continuative() + "たい")),
        "〓望": (("base",), t(lambda v: v.continuative() + "たかった")),
        "〓厭": (("base",), t(lambda v: v.continuative() + "たくない")),
        "〓嫌": (("base",), t(lambda v: v.continuative() + "たくなかった")),
        "〓必": (("base",), t(lambda v: v.dictionary + "必要がある")),
        "〓省": (("base",), t(lambda v: v.dictionary + "必要はなかった")),
        "〓務": (("base",), t(lambda v: v.must()[:-1] + "かった")),
        "〓迫": (("base",), t(lambda v: v.must() + "かもしれない")),
        "〓願": (("base",), t(lambda v: v.continuative()
                              + "たいかもしれない")),
        "〓須": (("base",), t(lambda v: v.dictionary
                              + "必要があるかもしれない")),
        "〓頼": (("base",), lambda v, tr: "が" + v.te() + "くれませんか"),
        "〓勧": (("base",), lambda v, tr: "が" + v.past() + "らどう"),
        "〓誘": (("base",), lambda v, tr: v.continuative() + "ましょう"),
        "〓伺": (("base",), lambda v, tr: v.continuative() + "ましょうか"),
        "〓得": (("base",), t(lambda v: v.potential_past())),
        "〓叶": (("base",), modal(lambda v: v.potential(), "だろう",
                                  "であろうのは")),
        "〓向": (("base",), modal(lambda v: v.dictionary, "だろう",
                                  "であろうのは")),
        "〓慣": (("base",), t(lambda v: v.te() + "いた")),
        "〓寧": (("base",), t(lambda v: v.dictionary + "方がいい")),
        "〓善": (("base",), t(lambda v: v.past() + "方がいい")),
        "〓允": (("base",), t(lambda v: v.te() + "もいい")),
        "〓莫": (("base",), lambda v, tr: v.negative() + "こと"),
        "〓的": (("base",), lambda v, tr: v.dictionary + "ために"),
        "〓背": (("base",), modal(lambda v: v.negative(), "だろう",
                                  "であろうのは")),
        "〓悔": (("pp",), t(lambda v: v.dictionary + "べきだった")),
        "〓恨": (("pp",), t(lambda v: v.dictionary + "べきではなかった")),
        "〓虚": (("pp",), t(lambda v: v.past() + "はずがない")),
        "〓空": (("pp",), t(lambda v: v.past_negative() + "だろう")),
        "〓迷": (("pp",), t(lambda v: v.past_negative() + "かもしれない")),
        "〓避": (("base",), t(lambda v: v.negative() + "方がいい")),
        "〓乏": (("base",), lambda v, tr: v.dictionary + "ものは何もない"),
        "〓孤": (("base",), lambda v, tr: v.dictionary + "人は誰もいない"),
        "〓然": (("pp",), t(lambda v: v.past() + "だろう")),
        "〓或": (("pp",), t(lambda v: v.past() + "かもしれない")),
        "〓惜": (("pp",), t(lambda v: v.potential_past() + "かもしれない")),
        "〓確": (("pp",), t(lambda v: v.past() + "に違いない")),
        "〓未": (("pp",), t(lambda v: v.te() + "いない")),
        "〓験": (("pp",), t(lambda v: v.past() + "ことがない")),
        "〓筈": (("base",), modal(lambda v: v.dictionary, "はずだ",
                                  "はずなのは")),
        "〓際": (("base",), t(lambda v: v.dictionary + "ところだ")),
        "〓前": (("pp",), t(lambda v: v.te() + "いなかった")),
        "〓非": (("ing",), t(lambda v: v.te() + "いない")),
        "〓失": (("ing",), t(lambda v: v.te() + "いなかった")),
    }
    for negative, twin in SUBJECTLESS.items():
        wanted, render = forms[negative]
        forms[twin] = (wanted, lambda v, tr, render=render:
                       _without_ga(render(v, tr)))
    return forms


def _without_ga(value):
    return value[1:] if value.startswith("が") else value


# "can hear", "can see": Japanese says what reaches the senses with a verb
# of its own (聞こえる, 見える), not the potential of listening or looking
# (聞ける "may be listened to", 見られる); after the modals of ability.
PERCEIVING = {"hear": Verb("聞こえる", "v1"), "see": Verb("見える", "v1")}
ABILITY_MARKERS = {"〓能", "〓可", "〓不", "〓難", "〓得", "〓叶"}


# "nobody" and "nothing" before a verb in -s or the past.
NOBODY = {"〓誰": "誰も", "〓何": "何も", "〓零": "一つも", "〓双": ""}
# "neither" and "nor" before a verb ("she neither called nor wrote"): the
# first verb in the negative that joins (呼ばず), the second in its
# tense's negative (書かなかった), as Japanese joins two denials; read as
# two negatives with のは, the first said "what she didn't call is".
# Emphasis with も (呼びもせず書きもしなかった) was tried and dropped: the
# verbs lose the negative stem (呼ば, 書か) that says which verb is denied.
# A verb Japanese says with an adjective (好き) has no joining negative
# and reads as its negative.
def _joining_negative(verb):
    without = verb.without()
    return without[:-1] if without else verb.negative()


NEITHER_NOR = {
    "〓並": {"s": _joining_negative, "past": _joining_negative,
            "base": _joining_negative},
    "〓亦": {"s": lambda v: v.negative(),
            "past": lambda v: v.past_negative(),
            "base": lambda v: v.negative()},
}
# "neither do I", "nor has she": "do" and "have" there stand for a verb
# said before, and read as their plain negatives (しない).
NEITHER_NOR_PLAIN = {"do", "have"}
# The topic phrase after the second verb only: the first one's object
# comes before the second verb ("neither reads books nor watches films").
NEITHER_NOR_TOPIC = {"〓亦"}
# "no" before a noun that a verb follows ("no students passed", "no
# files are specified"): the noun is the subject, and the verb takes the
# negation (学生が通らなかった, ファイルが指定されない); read as "there are
# no students" (学生がない) the verb after it stood after a negative, "there
# are none, but they passed". The noun's key puts it before a placeholder
# of its own (〓亡), whose fallback is the absence as before (がない), and
# that placeholder meets what follows: a verb in -s or the past, or an
# auxiliary, whose negative it becomes. "left" is kept out: "no time
# left" is what remains, not who left.
NO_SUBJECT = "〓亡"
NO_SUBJECT_AUXILIARIES = {"〓受": "〓非", "〓被": "〓失", "〓将": "〓拒",
                          "〓能": "〓不", "〓可": "〓難", "〓当": "〓戒",
                          "〓推": "〓疑", "〓来": "〓没"}
NO_SUBJECT_FORMS = {"s": lambda v: v.negative(),
                    "past": lambda v: v.past_negative()}
NO_SUBJECT_NOT_VERBS = {"left"}
# "never" takes the verb in any tense.
NEVER = {"base": lambda v: v.negative(), "s": lambda v: v.negative(),
         "past": lambda v: v.past_negative()}
# The adverbs that make the verb after them negative, as "never" does:
# "no longer" もはや住まない, "rarely" and "hardly ever" めったに食べない,
# "hardly" ほとんど知らない.
NEGATING_ADVERBS = {"〓絶": "決して", "〓久": "もはや", "〓稀": "めったに",
                    "〓殆": "ほとんど"}
# "never" before an adjective. After "I'm never" (〓常) and "he's never"
# (〓験, read as "has never" before a participle) the copula says an
# adjective spelt like a verb form is the adjective ("I'm never tired");
# after "never" alone, the verb ("they never tired of it").
NEVER_BEFORE_ADJECTIVE = ("〓絶",)
COPULA_NEVER = ("〓常", "〓験")
# The passive, of verbs that take an object: after "is" the present,
# after "was" the past, after "is not" and "was not" their negatives, and
# after a modal with "be" ("will be sold", "must be repaired").
PASSIVE = {
    "〓受": lambda v: v.passive(), "〓被": lambda v: v.passive_past(),
    "〓非": lambda v: v.passive_negative(),
    "〓失": lambda v: v.passive_negative()[:-1] + "かった",
    "〓来": lambda v: v.passive() + "だろう",
    "〓恐": lambda v: v.passive() + "かもしれない",
    "〓違": lambda v: v.passive_negative()[:-1] + "ければならない",
    "〓宜": lambda v: v.passive() + "べきだ",
    "〓許": lambda v: v.passive() + "ことができる",
    "〓阻": lambda v: v.passive() + "ことができない",
    "〓没": lambda v: v.passive_negative() + "だろう",
    "〓欠": lambda v: v.passive_past()[:-1] + "ていない",
    "〓進": lambda v: v.passive_past()[:-1] + "ている",
    "〓途": lambda v: v.passive_past()[:-1] + "ていた",
    "〓勿": lambda v: v.passive_past()[:-1] + "てはいけない",
    "〓慎": lambda v: v.passive() + "べきではない",
    "〓嘗": lambda v: v.passive_past() + "かもしれない",
    "〓証": lambda v: v.passive_past() + "に違いない",
    "〓遺": lambda v: v.passive() + "べきだった",
    "〓曾": lambda v: v.passive_past() + "だろう",
    "〓需": lambda v: v.passive() + "必要がある",
    "〓責": lambda v: v.passive_negative()[:-1] + "ければならなかった",
}
# A modal with "be" before a verb in -ing ("must be joking", "will be
# waiting", "might be sleeping"): what is going on, then the guess
# (ふざけているに違いない); read as the modal alone it became 彼に違いないが
# ふざけている, "he must, but he is joking".
PROGRESSIVE = {"〓来": "だろう", "〓恐": "かもしれない", "〓違": "に違いない",
               "〓宜": "はずだ"}
# A verb without an object has no passive: after "is not" its participle
# says a state that has not come about ("is not gone" 行っていない).
STATE = {"〓非": lambda v: v.te() + "いない",
         "〓失": lambda v: v.te() + "いなかった"}
# "Programs not using the library", "files not opened for a year": a
# noun with "not" and an -ing or a participle after it, which says which
# of them is meant. A bare "not" read ない and the -ing form its own が
# (プログラムないが使っているのは, "programs aren't, but what uses is"), so
# the verb takes the negation after it: 使っていない, 開かれていない. Keys
# without a placeholder, among the last (with the verbs of becoming): every
# auxiliary with "not" ("is not using", "not to") has become its
# placeholder by then, so only a bare "not" is left. A participle mostly
# met as an adjective ("not tired") keeps its reading.
LOOSE_NOT = "not"
# "too heavy to lift", "too tired to walk": what is too much stops the
# verb after it, 重すぎて持ち上げられない; read word by word, あまりに重い
# 持ち上げること lost the "cannot". "too" and the adjective become its
# excessive form and a placeholder (重すぎ 〓過), the placeholder with "to"
# and a verb its potential negative (て持ち上げられない), and a placeholder
# no verb took is the plain form's ending (重すぎる: "it is too heavy").
# For the adjectives met at least TOO_MIN_COUNT times, whose rendering
# ends in い or な (a state in た with a verb's stem before it, 疲れた, too):
# few keys, since "too" stands first in each.
TOO = "〓過"
TOO_MIN_COUNT = 10


def excessive(value):
    """The stem that takes すぎ (重い → 重すぎ, 静かな → 静かすぎ, 疲れた →
    疲れすぎ), or None."""
    if value == "いい":
        return "良すぎ"
    if value.endswith("い") and len(value) > 2 or value.endswith(
            "い") and value[0] != "な" and len(value) == 2:
        return value[:-1] + "すぎ"
    if value.endswith("な") and len(value) > 2:
        return value[:-1] + "すぎ"
    if value.endswith("た") and 2 < len(value) <= 4 \
            and value[-2] in "えけせてねべめれ" and "\u4e00" <= value[0] \
            <= "\u9fff":
        return value[:-1] + "すぎ"
    return None
# Participles whose verb English no longer feels: "born" is not "borne",
# and reads as 生まれる, never as the passive of 耐える ("bear").
OWN_PARTICIPLES = {"born": ("生まれる", "v1")}


def _plain(value):
    """An adjective's or a noun's rendering before だろう: 静か, 良い, 木製;
    a state come about as the state (疲れた → 疲れている), never a past
    before だろう or かもしれない."""
    return value[:-1] if value.endswith(("な", "の")) else _state(value)


def _state(value):
    """疲れた → 疲れている, 死んだ → 死んでいる; other renderings as they
    are."""
    if value.endswith(("た", "だ")) and len(value) > 1 \
            and not value.endswith(("ただ", "まだ")):
        return value[:-1] + ("で" if value.endswith("だ") else "て") + "いる"
    return value


# After a copula with a modal or a negation ("is not", "will be", "must
# be"): how an adjective reads (from its rendering and its negatives) and
# what follows a noun.
COPULAS = {
    "〓非": (lambda a, n: n[0], "ではない"),
    "〓失": (lambda a, n: n[1], "ではなかった"),
    "〓欠": (lambda a, n: n[0], "ではない"),
    "〓没": (lambda a, n: n[0] + "だろう", "ではないだろう"),
    "〓来": (lambda a, n: _plain(a) + "だろう", "だろう"),
    "〓恐": (lambda a, n: _plain(a) + "かもしれない", "かもしれない"),
    # "must be" with an adjective or a noun is a guess in talk ("you must
    # be tired") and a requirement in manuals ("the value must be a
    # number"); に違いない said the guess only and turned every requirement
    # into a claim. はず (what is to be expected) reads right in both.
    "〓違": (lambda a, n: _state(a) + "はずだ", "のはずだ"),
    "〓阻": (lambda a, n: _state(a) + "はずがない", "のはずがない"),
    "〓宜": (lambda a, n: _state(a) + "はずだ", "のはずだ"),
    "〓許": (lambda a, n: _state(a) + "こともある", "であることもある"),
    # "don't be late", "must not be late": what one must not be (遅くては
    # いけない); "don't be" read as "is not" (遅くない) and lost the order.
    "〓勿": (lambda a, n: _must_not_be(n[0]), "であってはいけない"),
    # "shouldn't be late": as must not be; "shouldn't be used" below.
    "〓慎": (lambda a, n: _must_not_be(n[0]), "であるべきではない"),
}


def _must_not_be(negative):
    """遅くない → 遅くてはいけない, 静かではない → 静かではいけない, 疲れて
    いない → 疲れていてはいけない."""
    if negative.endswith("ではない"):
        return negative[:-2] + "いけない"
    return negative[:-2] + "てはいけない"
# The copulas that take a noun as well as an adjective: those met most
# ("is not a doctor", "will be a doctor", "must be a mistake"); the rest
# would add some three thousand lines each for sentences seldom met.
NOUN_COPULAS = {"〓非", "〓失", "〓来", "〓恐", "〓違"}
# "without": a noun then なしで; a verb's -ing, its negative stem + ずに.
WITHOUT = {"〓抜": "なしで"}
# Adjectives that say a state, which the dictionaries render as verbs
# ("open" が開けるのは): after a copula, the state (開いていない).
STATE_ADJECTIVES = {"open": "開いている", "closed": "閉まっている",
                    "asleep": "眠っている", "awake": "起きている",
                    "alive": "生きている", "dead": "死んでいる",
                    "broken": "壊れている", "married": "結婚している",
                    "lost": "迷っている", "finished": "終わっている",
                    "done": "終わっている", "gone": "いなくなっている",
                    # A feeling, spelt as a participle: after a copula it
                    # is the state one is in (驚いていない), not the passive
                    # of the verb (驚かされない, "is not surprised by
                    # someone"); "interested" read as 視聴されない.
                    "interested": "興味を持っている",
                    "surprised": "驚いている", "worried": "心配している",
                    "excited": "興奮している", "bored": "退屈している",
                    "scared": "怖がっている", "frightened": "怖がっている",
                    "satisfied": "満足している",
                    "disappointed": "がっかりしている",
                    "confused": "混乱している", "pleased": "喜んでいる",
                    "impressed": "感心している", "amazed": "驚いている",
                    "annoyed": "いらいらしている",
                    "concerned": "心配している",
                    "convinced": "確信している", "upset": "動揺している",
                    "prepared": "準備ができている",
                    "embarrassed": "恥ずかしがっている",
                    # States of the body English says with an adjective:
                    # "hungry" read ハングリー, "wet" the verb 濡らす.
                    "hungry": "お腹が空いている",
                    "thirsty": "喉が渇いている", "wet": "濡れている"}
# Adjectives whose everyday sense after a copula is not the one their
# rendering elsewhere takes: "is not kind" 親切ではない, not 種類 ("a
# kind of"); "isn't easy" 簡単ではない (易くない is seldom said); "I'm not
# alone" 一人ではない; "isn't well" 元気ではない.
COPULA_ADJECTIVES = {"kind": "親切な", "easy": "簡単な", "alone": "一人の",
                     "well": "元気な", "true": "本当の"}
# Where one is, after a copula ("is not here" ここにいない, "will be
# there" そこにいるだろう), read as the verb いる.
PLACES = {"here": Verb("ここにいる", "v1"), "there": Verb("そこにいる", "v1")}
# "be late" said to someone is being behind time, which Japanese says
# with a verb (遅れる): "don't be late" 遅れてはいけない, "you shouldn't be
# late" 遅れるべきではない, where the adjective read 遅くてはいけない, "must
# not be slow". Only after those placeholders: "it's not late" is the
# hour (遅くない). Read as the places are, before the adjectives' keys.
COPULA_VERBS = {"late": Verb("遅れる", "v1")}
COPULA_VERB_MARKERS = ("〓勿", "〓慎")
PLACE_FORMS = {
    "〓勿": lambda v: v.te() + "はいけない",
    "〓非": lambda v: v.negative(), "〓失": lambda v: v.past_negative(),
    "〓欠": lambda v: v.past_negative(),
    "〓没": lambda v: v.negative() + "だろう",
    "〓来": lambda v: v.dictionary + "だろう",
    "〓恐": lambda v: v.dictionary + "かもしれない",
    "〓違": lambda v: v.dictionary + "に違いない",
    "〓宜": lambda v: v.dictionary + "はずだ",
    "〓阻": lambda v: v.dictionary + "はずがない",
    "〓慎": lambda v: v.dictionary + "べきではない",
}
# "doesn't look happy", "didn't seem tired", "don't feel well": how the
# adjective seems, said after it (嬉しいようには見えない); a verb key would
# read the verb alone, 見ない, and leave the adjective outside the
# negation. One key of three words, so the adjective has at most seven
# letters ("〓否 look nervous").
APPEARANCES = {("〓否", "look"): "ようには見えない",
               ("〓昔", "look"): "ようには見えなかった",
               ("〓否", "seem"): "ようには思えない",
               ("〓昔", "seem"): "ようには思えなかった",
               ("〓否", "feel"): "とは感じない",
               ("〓昔", "feel"): "とは感じなかった"}

# "she must feel lonely", "you might feel tired", "you'll feel better":
# a guess at how someone feels, which Japanese says of the feeling
# (寂しいに違いない); read as the verb, "must feel" was a duty to feel
# (感じなければならない) and the adjective stood outside it. The
# feelings and states one is said to feel, as the adjectives render them,
# or as Japanese says how one feels where the adjective alone says
# something else ("feel good" 気分がいい, not いい).
FEELINGS = ("lonely", "tired", "sad", "happy", "sick", "cold", "hot",
            "hungry", "bad", "good", "better", "worse", "sorry", "guilty",
            "nervous", "angry", "scared", "afraid", "proud", "safe",
            "strange", "bored", "excited", "upset", "ashamed", "alone",
            "great", "fine", "weak", "sleepy", "lucky", "free", "old",
            "young", "thirsty", "worried")
FEELING_VALUES = {"good": "気分がいい", "bad": "気分が悪い",
                  "better": "気分が良くなる", "worse": "気分が悪くなる",
                  "sick": "気分が悪い", "sorry": "すまなく思っている",
                  "guilty": "罪悪感がある", "nervous": "緊張している",
                  "great": "気分がいい", "fine": "元気な", "hot": "暑い",
                  "alone": "一人だと感じている", "free": "自由な",
                  "old": "年を取った", "lucky": "幸運な"}
FEELING_MARKERS = {"〓義": "に違いない", "〓推": "かもしれない",
                   "〓可": "かもしれない", "〓将": "だろう"}

# The phrasal verbs, whose particle may be spelt as an adjective ("look
# back"): their own keys read them.
PHRASAL_VERBS = {row[0] for row in PHRASAL_TABLE}


def appearance(value):
    """An adjective's rendering as it stands before ように or と: 嬉しい,
    静かな, 疲れた as they are; a noun used as an adjective with の or
    だ (金色の, 金色だ)."""
    if value.endswith(("い", "な", "た", "だ", "る", "の")):
        return value
    return value + "の"


# A participle's share of its verb's occurrences in running text.
PARTICIPLE_SHARE = 0.2
# After "can be", "can't be" and "should be" a word spelt like a
# participle says what may or should be done to a thing ("can be fixed",
# "should be noted") more often than a state: there the adjective wins
# only where WordNet meets it as often as the whole verb.
PASSIVE_BEFORE_ADJECTIVE = ("〓許", "〓阻", "〓宜")
# "done" and "finished" after a modal with "be" say what will, must or
# can be done to a thing ("the work will be done tomorrow", "it must be
# finished by Monday") more often than that someone is through (終わって
# いる), which they say after "is" and "was".
DONE_AFTER_MODAL = ("done", "finished")
MODAL_BE = ("〓来", "〓恐", "〓違", "〓宜", "〓許", "〓阻", "〓没")
# "no" and "have no" before a noun: the noun, then that there is none.
NONE_OF = {"〓無": "がない", "〓缺": "がなかった"}


# Verbs that are auxiliaries themselves: "be" after "will" or "not" is
# the copula, its forms the auxiliaries above.
NOT_KEYED = {"be"}


class Adjectival:
    """A verb the Japanese says with an adjective or a noun: "like" is
    好き (好きではない), "want" 欲しい (欲しくない). Only the forms that read
    well are given; the rest are None and get no key."""

    # The forms an adjective has none of, which its becoming verb (好き
    # になる) says: "can't like" 好きになれない, "must not hate" 嫌いになっては
    # いけない, "want to like" 好きになりたい; read apart, the modal stood
    # before が as "..., but" (彼女できないが嫌いなのは).
    BECOMING = ("potential", "potential_negative", "potential_past", "must",
                "te", "continuative")

    def __init__(self, plain, negative, past_negative, becoming=None,
                 passive=None):
        self.dictionary = plain
        self._neg, self._past_neg = negative, past_negative
        self._becoming = becoming
        # "is liked by everyone" 好かれる: the verb its passive is made of.
        self.passive_verb = passive

    def negative(self):
        return self._neg

    def past_negative(self):
        return self._past_neg

    def __getattr__(self, name):
        if name in Adjectival.BECOMING and self.__dict__.get("_becoming"):
            return getattr(self._becoming, name)
        raise AttributeError(name)


# The verbs of the built-in word table, which the generator gives no
# forms of its own ("like" is a built-in word), as the Japanese says them.
# A verb of EDICT where one reads right; 好き, 嫌い and 欲しい where
# Japanese uses an adjective.
BUILT_IN_VERBS = {
    "like": Adjectival("好き", "好きではない", "好きではなかった",
                       Verb("好きになる", "v5r"), Verb("好く", "v5k")),
    "hate": Adjectival("嫌い", "嫌いではない", "嫌いではなかった",
                       Verb("嫌いになる", "v5r"), Verb("嫌う", "v5u")),
    "want": Adjectival("欲しい", "欲しくない", "欲しくなかった",
                       Verb("欲しくなる", "v5r"), Verb("求める", "v1")),
    "need": Verb("必要とする", "vs-i"),
    "have": Verb("持つ", "v5t"),
    "know": Verb("知る", "v5r"),
    "mean": Verb("意味", "vs"),
    "help": Verb("助ける", "v1"),
    "show": Verb("示す", "v5s"),
    # "tell" says what is said to someone: 言う (言わなかった, 言われた),
    # where 話す ("talk") made "we weren't told" 話されなかった.
    "tell": Verb("言う", "v5u"),
    "say": Verb("言う", "v5u"),
    "see": Verb("見る", "v1"),
    "eat": Verb("食べる", "v1"),
    "go": Verb("行く", "v5k-s"),
    "do": Verb("する", "vs-i"),
    "die": Verb("死ぬ", "v5n"),
    "add": Verb("追加", "vs"),
    "draw": Verb("描く", "v5k"),
    "think": Verb("考える", "v1"),
    "speak": Verb("話す", "v5s"),
    "learn": Verb("習う", "v5u"),
    "sleep": Verb("寝る", "v1"),
    "live": Verb("住む", "v5m"),
    "call": Verb("呼ぶ", "v5b"),
    "hear": Verb("聞く", "v5k"),
    "win": Verb("勝つ", "v5t"),
}
# The weather, which English gives a dummy subject ("it didn't rain") and
# Japanese says as what falls: 雨が降らなかった, not 雨下しなかった (EDICT's
# verb glossed "to rain"). A closed class: rain, snow and hail fall.
WEATHER_VERBS = {"rain": Verb("雨が降る", "v5r"),
                 "snow": Verb("雪が降る", "v5r"),
                 "hail": Verb("雹が降る", "v5r")}
# "have" and "know" read in Japanese as states: 持っている, 知っている; their
# negatives stay 持っていない, 知らない.
STATE_NEGATIVE = {"have": ("持っていない", "持っていなかった")}
# English verbs of a state, which Japanese says in ている wherever English
# has the simple form: "I don't remember" 覚えていない (覚えない is "I
# don't learn it"), "he doesn't live here" 住んでいない, "she may know"
# 知っているかもしれない. Chosen from the stative verbs English grammars
# list, as the ones met most in running text whose Japanese verb is an
# event in its plain form; "know" keeps its own negative 知らない.
STATIVE_VERBS = {"remember", "live", "own", "belong", "resemble", "know",
                 "love", "possess", "contain", "wear"}
STATE_KEEPS_NEGATIVE = {"know"}
# The placeholders whose simple form of a stative verb reads ている: the
# present and past negatives, and "will", "may" with their negatives.
STATE_MARKERS = {"〓否", "〓昔", "〓将", "〓拒", "〓推", "〓疑", "〓向",
                 "〓却", "〓惑"}
NEGATIVE_STATE_MARKERS = {"〓否", "〓昔", "〓拒", "〓疑", "〓却", "〓惑"}


def as_state(verb):
    """The verb in its ている form, itself a verb of class v1 (覚える →
    覚えている, whose negative is 覚えていない)."""
    return Verb(verb.te() + "いる", "v1")
TRANSITIVE_BUILT_IN = {"like", "hate", "want", "need", "have", "know",
                       "mean", "help", "show", "tell", "say", "see", "eat",
                       "add", "draw", "think", "speak", "learn", "call",
                       "hear", "win"}


# British spellings of the verbs WordNet spells the American way: "didn't
# realise" had no key and read しなかったリーリス. -ize and -yze become -ise
# and -yse in every form; a few verbs in -or take -our.
BRITISH_OUR = ("color", "favor", "honor", "labor", "harbor", "humor")


def british(spelling):
    """The British spelling of a verb form, or None where it is the
    same (realized → realised, analyzing → analysing, favored →
    favoured)."""
    changed = re.sub(r"(?<=[a-z]{3})([iy])z(e|es|ed|ing)$", r"\1s\2",
                     spelling)
    for stem in BRITISH_OUR:
        if changed.startswith(stem):
            changed = stem[:-1] + "ur" + changed[len(stem):]
    return changed if changed != spelling else None


def with_british(forms_of):
    """{form: spellings} with each form's British spellings added."""
    spellings = {}
    for form, written in dict(forms_of).items():
        written = list(written)
        spellings[form] = written + [b for b in map(british, written)
                                     if b and b not in written]
    return spellings


def _with_marker(key):
    """A key that moves a word ending in "s" before a placeholder takes the
    plural marker after it too ("〓当 always ％１０００"), or the marker
    would be left between the placeholder and the word it must meet."""
    words = key.split()
    if key.startswith("〓") and len(words) == 2 and words[1].endswith("s") \
            and not words[1].startswith("〓") \
            and len(key + " " + PLURAL_MARKER) <= KEY_WIDTH:
        return key + " " + PLURAL_MARKER
    return key


# "get" before an adjective is becoming so ("didn't get angry" 怒らなかった,
# "will get better" 良くなるだろう); as a verb of its own ("get" 得る) it
# read 得なかったのは怒った. An adjective whose Japanese is an adjective
# becomes one with なる (寒くなる, 静かになる); those whose Japanese is a state
# come about (疲れた) or an emotion have a verb of their own, listed here
# as the ones "get" meets most.
GET_VERBS = {"angry": Verb("怒る", "v5r"), "better": Verb("良くなる", "v5r"),
             "worse": Verb("悪くなる", "v5r"), "married": Verb("結婚", "vs"),
             "lost": Verb("迷う", "v5u"), "tired": Verb("疲れる", "v1"),
             "hurt": Verb("怪我", "vs"), "sick": Verb("病気になる", "v5r"),
             "ready": Verb("準備", "vs"), "dressed": Verb("着替える", "v1"),
             "bored": Verb("退屈", "vs"), "drunk": Verb("酔う", "v5u"),
             "wet": Verb("濡れる", "v1"), "worried": Verb("心配", "vs"),
             "scared": Verb("怖がる", "v5r"), "old": Verb("年を取る", "v5r"),
             "upset": Verb("怒る", "v5r"), "mad": Verb("怒る", "v5r"),
             "nervous": Verb("緊張", "vs"), "excited": Verb("興奮", "vs"),
             "used": Verb("慣れる", "v1"), "started": Verb("始める", "v1"),
             "involved": Verb("関わる", "v5r"), "killed": Verb("死ぬ", "v5n")}
# "get", "turn", "become" and "go" before an adjective without a modal
# or a negation ("it got dark", "the leaves turn red", "she became
# famous", "the milk went bad"): becoming so, in the verb's tense
# (暗くなった); read apart, "got" was 得たのは and the adjective stood
# after it. Unlike the keys after a placeholder, these read text with no
# auxiliary before it, where "got" and an adjective as often start a noun
# phrase ("got new shoes", "became good friends"): so only adjectives that
# mostly stand alone after such a verb are read, those of the weather,
# the body, the mood and colours. Japanese says some with a verb of its
# own (お腹が空く, 太る, 青ざめる).
BECOMING_ADJECTIVES = (
    "angry", "better", "worse", "tired", "sick", "ill", "hungry", "thirsty",
    "dark", "cold", "warm", "hot", "cool", "late", "busy", "quiet", "loud",
    "rich", "fat", "thin", "dry", "wet", "dirty", "old", "nervous", "bored",
    "worried", "scared", "excited", "upset", "mad", "drunk", "crazy",
    "famous", "popular", "serious", "dangerous", "difficult", "easier",
    "harder", "bigger", "smaller", "colder", "warmer", "stronger", "weaker",
    "red", "green", "yellow", "blue", "white", "black", "brown", "gray",
    "grey", "pale", "sour", "bad", "wrong", "strange", "heavy", "missing",
    "light", "bright", "clear")
BECOMING_VERBS = {"hungry": Verb("お腹が空く", "v5k"),
                  "thirsty": Verb("喉が渇く", "v5k"),
                  "fat": Verb("太る", "v5r"), "thin": Verb("痩せる", "v1"),
                  "rich": Verb("金持ちになる", "v5r"),
                  "ill": Verb("病気になる", "v5r"),
                  "dry": Verb("乾く", "v5k"),
                  "crazy": Verb("おかしくなる", "v5r"),
                  "wrong": Verb("おかしくなる", "v5r"),
                  "pale": Verb("青ざめる", "v1"),
                  "popular": Verb("人気が出る", "v1"),
                  "missing": Verb("行方不明になる", "v5r"),
                  "light": Verb("明るくなる", "v5r"),
                  "green": Verb("緑になる", "v5r"),
                  "brown": Verb("茶色になる", "v5r"),
                  "gray": Verb("灰色になる", "v5r"),
                  "grey": Verb("灰色になる", "v5r"),
                  "loud": Verb("うるさくなる", "v5r")}
# The verbs of becoming and their forms, with the adjectives each takes:
# "get" and "become" every one above; "turn" the colours and what food
# and weather turn; "go" what goes bad or wrong. The forms in "s" carry
# the plural marker, so they read only the shorter adjectives.
BECOMING_FORMS = {
    "get": {"base": "get", "s": "gets", "past": "got", "ing": "getting"},
    "become": {"base": "become", "s": "becomes", "past": "became",
               "ing": "becoming"},
    "turn": {"base": "turn", "s": "turns", "past": "turned",
             "ing": "turning"},
    "go": {"base": "go", "s": "goes", "past": "went", "ing": "going"},
}
BECOMING_ONLY = {
    "turn": ("red", "green", "yellow", "blue", "white", "black", "brown",
             "gray", "grey", "pale", "sour", "bad", "cold", "warm", "dark",
             "colder", "warmer", "nasty", "serious", "dangerous"),
    "go": ("bad", "wrong", "crazy", "mad", "missing", "quiet", "dark",
           "cold", "pale"),
}
BECOMING_RENDER = {"base": lambda v: v.dictionary, "s": lambda v: v.dictionary,
                   "past": lambda v: v.past(),
                   "ing": lambda v: v.te() + "いる"}
# "turn", "become" and "go" with an adjective after the placeholders
# "get" is read after most: will, won't, may, don't and didn't ("the light
# will turn green" 緑になるだろう).
BECOMING_MARKERS = ("〓将", "〓拒", "〓推", "〓否", "〓昔")
# "was getting dark": the past of what was coming about (暗くなっていた).
BECOMING_PAST_PROGRESSIVE = "〓被"
# A tag question after a comma ("it's cold, isn't it?", "you like it,
# don't you?"): the speaker asks to be agreed with, ね, where the
# auxiliary and its subject read as a question of their own (それではない？).
TAG_MARKERS = ("〓否", "〓止", "〓昔", "〓非", "〓失", "〓未", "〓拒", "〓不", "〓難",
               "〓受", "〓被", "〓将", "〓能")
TAG_SUBJECTS = ("私", "you", "we", "he", "she", "it", "they", "there")
# "I'll be done soon", "we might be finished by noon": with a person for
# subject, "done" and "finished" say that one is through (終わる), not
# what is done to a thing (されるだろう, which they say after a modal and
# "be" elsewhere: "the work will be done").
DONE_SUBJECTS = ("私", "あなた", "彼", "彼女", "私たち", "彼ら",
                 "you", "he", "she", "we", "they")
DONE_PERSON = {"〓来": "だろう", "〓恐": "かもしれない"}

# "can't help laughing", "couldn't help thinking": one cannot keep from
# doing it (笑わずにはいられない); read as the verb "help" it was 助けられ
# ないのは and the -ing after it. "can't help" becomes a placeholder of its
# own before the verb keys (its fallback is what "can't help" read, and
# the keys that read more after it are copied to it), which meets the
# verb in -ing; only verbs met at least HELP_MIN_COUNT times, as the
# placeholder adds a line for each.
CANNOT_HELP = {"〓不": ("〓堪", "はいられない"),
               "〓難": ("〓忍", "はいられなかった")}
HELP_MIN_COUNT = 30

# "No smoking", "no parking": a notice that forbids, which Japanese says
# with its own words (禁煙, 駐車禁止), not that there is no smoking. Only
# the notices met on signs: "no" before another gerund ("no turning back")
# is absence.
NOTICES = {"smoking": "禁煙", "parking": "駐車禁止", "swimming": "遊泳禁止",
           "fishing": "釣り禁止", "trespassing": "立入禁止",
           "entry": "立入禁止", "photography": "撮影禁止"}
# The placeholders "get" and an adjective are read after: the negatives,
# will, may, should, must, can and going to.
GET_MARKERS = ("〓否", "〓止", "〓昔", "〓拒", "〓疑", "〓将", "〓推", "〓当", "〓義",
               "〓能", "〓不", "〓向")
# A modal before "get" and a participle reads as before "be" and one.
GET_PASSIVE = {"〓将": "〓来", "〓推": "〓恐", "〓当": "〓宜", "〓義": "〓違",
               "〓能": "〓許", "〓向": "〓来"}
# An adjective met less often in WordNet's tagged texts gets no "get" keys:
# each is eleven lines, and "get" goes before the everyday ones.
GET_MIN_COUNT = 30


# "I don't think so", "I didn't think so", "I'd think so": the opinion,
# そう思わない; "think" alone reads 考える, and "so" after it だから.
THINK_SO = Verb("思う", "v5u")
THINK_SO_MARKERS = ("〓否", "〓昔", "〓拒", "〓将", "〓推", "〓疑")
# "The door was left open": how it stayed (開いたままだった), where "left"
# read as going away (去られたが開く).
LEFT_AS_IT_WAS = {("〓被", "left open"): "が開いたままだった",
                  ("〓受", "left open"): "が開いたままだ",
                  ("〓被", "left alone"): "が放っておかれた",
                  ("〓受", "left alone"): "が放っておかれる"}


def becoming_verb(word, value, count):
    """The Japanese verb of becoming what an adjective says (寒い →
    寒くなる, 静かな → 静かになる, 病気 → 病気になる), or None."""
    if word in GET_VERBS:
        return GET_VERBS[word]
    if word in BECOMING_VERBS:
        return BECOMING_VERBS[word]
    if word in BECOMING_ADJECTIVES:
        count = max(count, GET_MIN_COUNT)
    if count < GET_MIN_COUNT or not value or value.startswith("が"):
        return None
    if value.endswith("い") and not value.endswith("ない") and len(value) > 1:
        return Verb(("よ" if value == "いい" else value[:-1]) + "くなる",
                    "v5r")
    if value.endswith("な") and len(value) > 1:
        return Verb(value[:-1] + "になる", "v5r")
    if "\u4e00" <= value[-1] <= "\u9fff" or "\u30a0" <= value[-1] <= "\u30ff":
        return Verb(value + "になる", "v5r")
    return None


def adjective_negatives(value):
    """The negative and past negative of an adjective's rendering (良い →
    良くない, 静かな → 静かではない, 木製の → 木製ではない), or None."""
    if value.endswith(("な", "の")) and len(value) > 1:
        stem = value[:-1]
        return stem + "ではない", stem + "ではなかった"
    if value.endswith("ている") and len(value) > 3:
        return value[:-2] + "いない", value[:-2] + "いなかった"
    if value.endswith(("た", "だ")) and len(value) > 1:
        # A state come about (疲れた, 用意ができた): not yet come about.
        te = value[:-1] + ("で" if value.endswith("だ") else "て")
        return te + "いない", te + "いなかった"
    if value == "いい":
        return "よくない", "よくなかった"
    if value.startswith("が"):
        return None  # a verb's topic phrase (が分離するのは)
    if value.endswith("い") and (len(value) > 2 or not value.endswith(
            "ない")) and len(value) > 1:
        # 危ない → 危なくない as 良い → 良くない; ない alone is no adjective.
        stem = value[:-1]
        return stem + "くない", stem + "くなかった"
    if value.endswith(("って", "んで")):
        # A state, as a te-form (怖がって): not in it.
        return value + "いない", value + "いなかった"
    if "\u30a0" <= value[-1] <= "\u30ff" or "\u4e00" <= value[-1] <= "\u9fff" \
            or value == "同じ":
        # A noun used as an adjective (金色, カラフル): as a noun.
        return value + "ではない", value + "ではなかった"
    return None


def build(verbs, adjectives, nouns=None, passive_verbs=None):
    """The lines that go first in noun.txt, in order: the auxiliaries to
    their placeholders, the placeholders with a verb, an adjective or a
    noun, and the fallbacks.

    verbs: {English base: (Verb, transitive, forms {form: [spellings]},
    WordNet count)}; adjectives and nouns: {English word: (rendering,
    WordNet count)}; passive_verbs: {English base: Verb} where the passive
    is made of another verb than the rest (verbs.passive_verb)."""
    passive_verbs = passive_verbs or {}
    # Auxiliaries of more words before those of fewer ("will not" before
    # "will", "is ％１０００ not" before "is ％１０００"), each group in
    # the table's order. Those that read a placeholder ("will be") come
    # after all the others.
    head = sorted(AUXILIARIES, key=lambda kv: (kv[0].startswith("〓"), -len(
        [w for w in kv[0].split() if w != PLURAL_MARKER])))
    # An adverb between a modal and "be" or another auxiliary ("should
    # always be judged") moves before the modal's placeholder first, so
    # that the placeholders meet: the adverb lines of the placeholders the
    # auxiliaries of words make stand before the lines that read two.
    first = sum(1 for k, _ in AUXILIARIES if not k.startswith("〓"))
    made_by_words = sorted({p for k, v in AUXILIARIES
                            if not k.startswith("〓")
                            for p in re.findall("〓.", v)}
                           - {k.split()[0] for k, _ in US_PLACEHOLDERS})
    head[first:first] = US_PLACEHOLDERS + [
        (m + " " + adverb, japanese + " " + m)
        for m in made_by_words
        for adverb, japanese in sorted(BETWEEN.items())
        if len(m + " " + adverb) <= KEY_WIDTH
        # an adverb an auxiliary reads with it ("don't ever" 〓絶)
        and m + " " + adverb not in dict(AUXILIARIES)] + _modal_between()
    keyed = {}
    # "got" before a participle: keys of words alone, which go first.
    got = {}

    def add(key, value):
        word = key.split()[-1]
        if word in AUXILIARY_WORDS or word[:-1] in AUXILIARY_WORDS \
                and word.endswith("s"):
            return  # the auxiliary's line (or its plural's) took it before
        if any(phrase in key for phrase in PHRASE_TABLE):
            return  # the built-in phrase table has taken it ("went out")
        if len(key) <= KEY_WIDTH and value and key not in keyed:
            keyed[key] = value

    def add_forms(marker, spellings, value):
        for spelling in spellings:
            if spelling.replace(" ", "").isalpha():
                add(marker + " " + spelling, value)

    # An adjective spelt like a participle ("tired", "closed") reads as
    # the adjective after a copula where WordNet meets it so at least as
    # often as the verb's participle (a fifth of the verb's count, the
    # participle's share of running text): 疲れていない, not 疲れられない.
    participle_weight = {}
    for base, (_, _, forms_of, count) in verbs.items():
        for spelling in dict(forms_of).get("pp", ()):
            participle_weight[spelling] = max(
                participle_weight.get(spelling, 0), PARTICIPLE_SHARE * count)
    adjectives = dict(adjectives)
    for word, value in list(STATE_ADJECTIVES.items()) + list(
            COPULA_ADJECTIVES.items()):
        adjectives[word] = (value, max(adjectives.get(word, (0, 0))[1],
                                       ADJECTIVE_MIN_COUNT))
        participle_weight.pop(word, None)
    for word, verb in sorted(COPULA_VERBS.items()):
        for marker in COPULA_VERB_MARKERS:
            add(marker + " " + word, PLACE_FORMS[marker](verb))
    for word, (value, count) in sorted(adjectives.items()):
        negatives = adjective_negatives(value)
        if count < ADJECTIVE_MIN_COUNT or negatives is None \
                or count < participle_weight.get(word, 0):
            continue
        for marker, (render, _) in sorted(COPULAS.items()):
            if marker in PASSIVE_BEFORE_ADJECTIVE and count \
                    < participle_weight.get(word, 0) / PARTICIPLE_SHARE:
                continue  # "can be fixed" 直されることができる
            if word in DONE_AFTER_MODAL and marker in MODAL_BE:
                # "will be done tomorrow" されるだろう; "do" has no keys of
                # its own (the built-in table reads it), so "done" is
                # read here.
                if word == "done":
                    add(marker + " " + word,
                        "が" + PASSIVE[marker](Verb("する", "vs-i")))
                continue
            add(marker + " " + word, render(value, negatives))
        for (marker, verb), ending in sorted(APPEARANCES.items()):
            if verb + " " + word not in PHRASAL_VERBS:  # "look back"
                add(marker + " " + verb + " " + word,
                    appearance(value) + ending)
        for marker in COPULA_NEVER:
            add(marker + " " + word, "決して" + negatives[0])
    for word in FEELINGS:
        value = FEELING_VALUES.get(word, adjectives.get(word, ("",))[0])
        if not value or value.startswith("が"):
            continue
        for marker, ending in sorted(FEELING_MARKERS.items()):
            add(marker + " feel " + word, _plain(value) + ending)
    for word, verb in sorted(PLACES.items()):
        for marker, render in sorted(PLACE_FORMS.items()):
            add(marker + " " + word, render(verb))

    for word, notice in sorted(NOTICES.items()):
        add("〓無 " + word, notice)
    # A bare "no" before a noun (〓全): the noun, then the placeholder
    # that meets the verb after it; these lines and those that read two
    # placeholders run before every verb key (see the body below).
    no_subject = [("〓全 " + word, notice)
                  for word, notice in sorted(NOTICES.items())]
    forms = _verb_forms()
    # Before the verb keys, which would take "think" alone (考えない).
    for marker in THINK_SO_MARKERS:
        value = forms[marker][1](THINK_SO, False)
        add(marker + " think so", value[:1] + "そう" + value[1:]
            if value.startswith("が") else "そう" + value)
    for (marker, words), value in sorted(LEFT_AS_IT_WAS.items()):
        add(marker + " " + words, value)
    becoming_of = {}
    for word, (value, count) in sorted(adjectives.items()) + [
            (word, ("", 0)) for word in sorted(BECOMING_VERBS)
            if word not in adjectives]:
        becoming = becoming_verb(word, value, count)
        if becoming is None:
            continue
        becoming_of[word] = becoming
        for marker in GET_MARKERS:
            add(marker + " get " + word, forms[marker][1](becoming, False))
    # Without a placeholder before them, these run last of all (below):
    # a modal's or a negation's key reads its own "get" first.
    becoming_bare = []
    for verb, spellings in sorted(BECOMING_FORMS.items()):
        for word in BECOMING_ONLY.get(verb, BECOMING_ADJECTIVES):
            becoming = becoming_of.get(word)
            if becoming is None or verb + " " + word in PHRASAL_VERBS:
                continue  # "go wrong" is an idiom's (失敗する)
            if verb != "get":
                for marker in BECOMING_MARKERS:
                    add(marker + " " + verb + " " + word,
                        forms[marker][1](becoming, False))
            for form, spelling in sorted(spellings.items()):
                key = spelling + (" " + M if form == "s" else "") + " " \
                    + word
                value = "が" + BECOMING_RENDER[form](becoming)
                if form == "ing":
                    becoming_bare.append(
                        (BECOMING_PAST_PROGRESSIVE + " " + key,
                         "が" + becoming.te() + "いた"))
                becoming_bare.append((key, value))
    becoming_bare = [(k, v) for k, v in becoming_bare
                     if len(k) <= KEY_WIDTH
                     and not any(p in k for p in PHRASE_TABLE)]
    # The past progressive before the bare -ing form it holds.
    becoming_bare.sort(key=lambda kv: not kv[0].startswith("〓"))
    loose_not = {}
    # Where two verbs spell a form alike, the one met more often has the
    # key: "installed" is install's (インストールされる), not the rarer
    # spelling "instal"'s (装着される), which sorts first.
    for base, (verb, transitive, forms_of, count) in sorted(
            verbs.items(), key=lambda kv: (-kv[1][3], kv[0])):
        if base in NOT_KEYED:
            continue
        if count < MIN_COUNT and base not in BUILT_IN_VERBS:
            if count >= MODAL_MIN_COUNT and isinstance(verb, Verb):
                for marker in MODAL_MARKERS:
                    wanted, render = forms[marker]
                    for form in wanted:
                        add_forms(marker, dict(forms_of).get(form, ()),
                                  render(verb, transitive))
            # Only the passive, which needs one form of the verb.
            if count >= PASSIVE_MIN_COUNT and transitive \
                    and isinstance(verb, Verb):
                for marker, render in sorted(PASSIVE.items()):
                    add_forms(marker, [p for p in with_british(forms_of)
                                       .get("pp", ())
                                       if p not in OWN_PARTICIPLES],
                              "が" + render(passive_verbs.get(base, verb)))
            continue
        verb = BUILT_IN_VERBS.get(base, WEATHER_VERBS.get(base, verb))
        passive = verb if base in BUILT_IN_VERBS \
            else passive_verbs.get(base, verb)
        passive = getattr(passive, "passive_verb", None) or passive
        if base in BUILT_IN_VERBS:
            transitive = base in TRANSITIVE_BUILT_IN
        if base in WEATHER_VERBS:
            transitive = False
        spellings = with_british(forms_of)
        for marker, (wanted, render) in sorted(forms.items()):
            try:
                value = render(PERCEIVING[base] if base in PERCEIVING
                               and marker in ABILITY_MARKERS else verb,
                               transitive)
            except AttributeError:
                continue  # an adjectival verb has no potential, no -ing
            if base in WEATHER_VERBS and value.startswith("が"):
                value = value[1:]  # the weather's own が: 雨が降らなかった
            if base in STATIVE_VERBS and marker in STATE_MARKERS \
                    and isinstance(verb, Verb) and not (
                        base in STATE_KEEPS_NEGATIVE
                        and marker in NEGATIVE_STATE_MARKERS):
                value = render(as_state(verb), transitive)
            if base in STATE_NEGATIVE and marker in ("〓否", "〓昔"):
                value = "が" + STATE_NEGATIVE[base][marker == "〓昔"] \
                    + _topic(transitive)
            for form in wanted:
                add_forms(marker, spellings.get(form, ()), value)
            if marker in ANY_MARKERS and transitive \
                    and value.startswith("が") and value.endswith("のは"):
                for placeholder, pronoun in sorted(ANY_OBJECTS.items()):
                    for form in wanted:
                        for spelling in spellings.get(form, ()):
                            if spelling.isalpha():
                                # "discuss" has the plural marker after it.
                                marked = spelling + (" " + M if spelling
                                                     .endswith("s") else "")
                                add(marker + " " + marked + " "
                                    + placeholder,
                                    "は" + pronoun + value[1:-2])
                if marker in ANY_MARKERS:
                    # "didn't see any birds": what was not seen, birds;
                    # どんな鳥 read "whatever birds".
                    for form in wanted:
                        add_forms(marker, [s + " any" for s in
                                           spellings.get(form, ())
                                           if not s.endswith("s")], value)
            if marker == "〓止" and transitive and isinstance(verb, Verb):
                # "Don't tell anyone" 誰も言わないで.
                for placeholder, pronoun in sorted(ANY_OBJECTS.items()):
                    for spelling in spellings.get("base", ()):
                        if spelling.isalpha() and not spelling.endswith("s"):
                            add(marker + " " + spelling + " " + placeholder,
                                pronoun + verb.negative() + "で")
        for form, render in sorted(NEVER.items()):
            for marker, adverb in sorted(NEGATING_ADVERBS.items()):
                add_forms(marker, spellings.get(form, ()),
                          ("" if base in WEATHER_VERBS else "が") + adverb
                          + render(verb) + _topic(transitive))
                if not transitive or base in WEATHER_VERBS:
                    continue
                # "never said anything" 決して何も言わなかった.
                for placeholder, pronoun in sorted(ANY_OBJECTS.items()):
                    for spelling in spellings.get(form, ()):
                        if spelling.isalpha() and not spelling.endswith("s"):
                            add(marker + " " + spelling + " " + placeholder,
                                "は" + adverb + pronoun + render(verb))
        # "I'm never going back": an intent, 決して戻らない.
        add_forms("〓常", spellings.get("ing", ()),
                  "が決して" + verb.negative() + _topic(transitive))
        if isinstance(verb, Verb) and verb.without():
            add_forms("〓抜", spellings.get("ing", ()), verb.without())
            if count >= HELP_MIN_COUNT:
                for placeholder, ending in CANNOT_HELP.values():
                    add_forms(placeholder, spellings.get("ing", ()),
                              "が" + verb.without() + ending)
        for marker, ending in sorted(PROGRESSIVE.items()):
            if isinstance(verb, Verb):
                add_forms(marker, spellings.get("ing", ()),
                          "が" + verb.te() + "いる" + ending
                          + _topic(transitive))
        participles = [p for p in spellings.get("pp", ())
                       if p not in OWN_PARTICIPLES]
        if isinstance(verb, Verb) and base not in WEATHER_VERBS:
            able = PERCEIVING.get(base, verb)
            add_forms(TOO + " to", [s for s in spellings.get("base", ())
                                    if not s.endswith("s")],
                      "て" + able.potential_negative())
            for spelling in spellings.get("ing", ()):
                loose_not.setdefault(
                    LOOSE_NOT + " " + spelling,
                    verb.negative() if base in STATE_KEEPS_NEGATIVE
                    else verb.te() + "いない")
            if transitive and isinstance(passive, Verb):
                for p in participles:
                    if p not in STATE_ADJECTIVES and adjectives.get(
                            p, ("", 0))[1] < participle_weight.get(p, 0):
                        loose_not.setdefault(LOOSE_NOT + " " + p,
                                             passive.passive()[:-1]
                                             + "ていない")
        if isinstance(passive, Verb):
            if not transitive and base in passive_verbs:
                # A verb mostly without an object in English whose
                # Japanese has a partner that takes one: after "be", a
                # participle spelt as the past is its passive ("the file
                # was moved" 動かされた, not 動いた); "gone", "fallen" stay
                # states.
                for marker, render in sorted(PASSIVE.items()):
                    add_forms(marker, [p for p in participles
                                       if p in spellings.get("past", ())
                                       and adjectives.get(p, ("", 0))[1]
                                       < participle_weight.get(p, 0)],
                              "が" + render(passive))
            table = PASSIVE if transitive else STATE
            for marker, render in sorted(table.items()):
                add_forms(marker, participles, "が" + render(
                    passive if transitive else verb))
            if transitive or base in passive_verbs:
                # "got" before a participle is the passive ("got stolen"
                # 盗まれた), where it read 得たのは 盗まれた, "what was got
                # is stolen"; not where the participle is mostly an
                # adjective ("got lost", "got tired": get_verbs and the
                # adjectives read those) or a phrasal verb ("got rid of").
                for p in participles:
                    if p in STATE_ADJECTIVES or p in GET_VERBS \
                            or "get " + p in PHRASAL_VERBS \
                            or adjectives.get(p, ("", 0))[1] \
                            >= participle_weight.get(p, 0):
                        continue
                    key = "got " + p
                    if not (transitive or p in spellings.get("past", ())):
                        continue
                    if len(key) <= KEY_WIDTH and key not in got \
                            and not any(ph in key for ph in PHRASE_TABLE):
                        got[key] = "が" + passive.passive_past()
                    # "will get paid", "might get hurt": the passive
                    # after the modal, as with "be".
                    for marker, as_be in sorted(GET_PASSIVE.items()):
                        add(marker + " get " + p,
                            "が" + PASSIVE[as_be](passive))
        for form, render in sorted(NO_SUBJECT_FORMS.items()):
            add_forms(NO_SUBJECT, [p for p in spellings.get(form, ())
                                   if p not in NO_SUBJECT_NOT_VERBS],
                      "が" + render(verb) + _topic(transitive))
        for marker, renders in sorted(NEITHER_NOR.items()):
            topic = _topic(transitive) if marker in NEITHER_NOR_TOPIC \
                else ""
            for form, render in sorted(renders.items()):
                try:
                    value = render(verb) if base not in NEITHER_NOR_PLAIN \
                        else verb.past_negative() if form == "past" \
                        else verb.negative()
                except AttributeError:
                    value = verb.negative()  # 好きではない: no stem for も
                add_forms(marker, spellings.get(form, ()), value + topic)
        for marker, subject in sorted(NOBODY.items()):
            # After "neither" and "nor" the base form too ("neither do I").
            for form, render in (("s", lambda v: v.negative()),
                                 ("past", lambda v: v.past_negative()),
                                 ("base", lambda v: v.negative())):
                if form == "base" and subject:
                    continue
                add_forms(marker, spellings.get(form, ()),
                          subject + render(verb) + _topic(transitive))
    # "never late", "he's never late": an adjective after "never" (with
    # the copula gone or run into the subject), after every verb key so
    # that a verb spelt like an adjective ("never open it") stays a verb.
    for word, (value, count) in sorted(adjectives.items()):
        negatives = adjective_negatives(value)
        if count >= ADJECTIVE_MIN_COUNT and negatives is not None \
                and count >= participle_weight.get(word, 0):
            for marker in NEVER_BEFORE_ADJECTIVE:
                add(marker + " " + word, "決して" + negatives[0])
    for participle, (headword, klass) in sorted(OWN_PARTICIPLES.items()):
        verb = Verb(headword, klass)
        for marker, value in (("〓受", verb.dictionary), ("〓被", verb.past()),
                              ("〓非", verb.negative()),
                              ("〓失", verb.past_negative())):
            add(marker + " " + participle, "が" + value)
    for word, (value, count) in sorted((nouns or {}).items()):
        if count < NOUN_MIN_COUNT or not value:
            continue
        for marker, (_, ending) in sorted(COPULAS.items()):
            if marker not in NOUN_COPULAS:
                continue
            add(marker + " " + word, value + ending)
            if marker in NOUN_PHRASE:
                add(NOUN_PHRASE[marker] + " " + word, value + ending)
        for marker, ending in sorted(NONE_OF.items()) + sorted(
                WITHOUT.items()):
            add(marker + " " + word, value + ending)
        key = "〓全 " + word
        if len(key) <= KEY_WIDTH and word not in NOTICES \
                and word not in AUXILIARY_WORDS:
            no_subject.append((key, value + " " + NO_SUBJECT))
    # "no" before an adjective and its noun ("no hot water"): the
    # adjective moves before the placeholder, which then meets the noun.
    # These run before the noun keys (with the adverbs, below).
    moving = []
    for word, (value, count) in sorted(adjectives.items()):
        if count >= ADJECTIVE_MIN_COUNT and word not in (nouns or {}) \
                and adjective_negatives(value) is not None \
                and word not in AUXILIARY_WORDS:
            for marker in sorted(NONE_OF) + sorted(NOUN_PHRASE.values()) \
                    + ["〓全"]:
                if len(marker + " " + word) <= KEY_WIDTH:
                    # A noun spelt as the adjective with "s" ("news" after
                    # "new"), which the adjective's line would take as
                    # its plural, goes first.
                    plural = marker + " " + word + "s"
                    nouns_read = dict(no_subject) if marker == "〓全" \
                        else keyed
                    if plural in nouns_read:
                        moving.append((plural, nouns_read[plural]))
                    moving.append((marker + " " + word,
                                   value + " " + marker))
    between = [("、 " + marker + " " + subject + " ？", "ね？")
               for marker in TAG_MARKERS for subject in TAG_SUBJECTS]
    # "..., don't you?", whose "don't you" was made a question above
    between += [("、 " + japanese + " 〓否 ？", "ね？")
                for japanese in sorted(INVERTED_SUBJECTS_OF_DO.values())]
    between += [(subject + " " + marker + " " + word,
                 subject_japanese + "が終わる" + ending)
                for subject in DONE_SUBJECTS
                for marker, ending in sorted(DONE_PERSON.items())
                for word in DONE_AFTER_MODAL
                for subject_japanese in [INVERTED_SUBJECTS.get(
                    subject, subject)]
                if len(subject + " " + marker + " " + word) <= KEY_WIDTH]
    for marker in sorted(set(FALLBACKS) - set(NOUN_PHRASE.values())):
        for adverb, japanese in sorted(BETWEEN.items()):
            if len(marker + " " + adverb) <= KEY_WIDTH:
                between.append((marker + " " + adverb,
                                japanese + " " + marker))
    for marker in sorted(set(FALLBACKS) - set(NOUN_PHRASE.values())):
        if len(marker + " very") <= KEY_WIDTH:
            between.append((marker + " very", ("あまり " if marker in
                                               NEGATIVE_MARKERS else
                                               "とても ") + marker))
    # A question puts the subject after the auxiliary ("don't you like",
    # "isn't it"): the subject moves before the placeholder, as in "you
    # don't like".
    for marker in sorted(INVERTING):
        for subject, japanese in sorted(INVERTED_SUBJECTS.items()):
            between.append((marker + " " + subject, japanese + " " + marker))
    # After the adverbs ("is not really a doctor"), the articles and
    # possessives.
    for marker in sorted(COPULAS) + sorted(WITHOUT) + sorted(
            NOUN_PHRASE.values()):
        for word, japanese in sorted(DETERMINERS.items()):
            after = NOUN_PHRASE.get(marker, marker)
            between.append((marker + " " + word,
                            (japanese + " " if japanese else "") + after))
    for marker in sorted(NOUN_PHRASE.values()):
        for adverb, japanese in sorted(BETWEEN.items()):
            if len(marker + " " + adverb) <= KEY_WIDTH:
                between.append((marker + " " + adverb,
                                japanese + " " + marker))
    # A noun.txt key also takes its plural ("〓何 cut" takes "〓何 cuts ％１０００"),
    # so a key must come before every shorter key it extends, or it never
    # acts: sorting each key as if followed by the highest character puts
    # "〓何 cuts" before "〓何 cut".
    between += [(k, v) for k, v in moving
                if not any(p in k for p in PHRASE_TABLE)]
    seen = set()
    between = [(k, v) for k, v in between if not (k in seen or seen.add(k))]
    between = [(k, v) for k, v in between if k not in set(dict(head))]
    moved = {k for k, _ in between} | {k for k, _ in head}
    head = [(_with_marker(k), v) for k, v in head]
    between = [(_with_marker(k), v) for k, v in between]
    # "no" and its noun, then the noun's placeholder with an auxiliary's
    # ("ファイル 〓亡 〓受" → ファイル 〓非), before any key reads the
    # auxiliary's placeholder with its verb: read the other way round, the
    # auxiliary took its verb first and the noun was left with its がない.
    no_subject = sorted(((k, v) for k, v in no_subject
                         if k not in moved
                         and not any(p in k for p in PHRASE_TABLE)),
                        key=lambda kv: kv[0] + "\U0010ffff")
    # A noun line takes the plural too and leaves its marker ("〓全 books
    # ％１０００" → 本 〓亡 ％１０００): the placeholder takes it first, as
    # those of "none of us" do.
    no_subject += [(NO_SUBJECT + " " + M, NO_SUBJECT)]
    no_subject += [(NO_SUBJECT + " " + aux, negated) for aux, negated in
                   sorted(NO_SUBJECT_AUXILIARIES.items())]
    moved |= {k for k, _ in no_subject}
    # "can't help" (see CANNOT_HELP): its placeholder before the keys
    # that read the verb "help", with a copy of each that reads more.
    helps = []
    for negative, (placeholder, _) in sorted(CANNOT_HELP.items()):
        if negative + " help" in keyed:
            helps.append((negative + " help", placeholder))
            keyed.update({placeholder + k[len(negative + " help"):]: v
                          for k, v in list(keyed.items())
                          if k.startswith(negative + " help ")})
            keyed.pop(negative + " help")
    between = helps + between
    too = [("too " + word, stem + " " + TOO)
           for word, (value, count) in sorted(adjectives.items())
           for stem in [excessive(value)]
           if stem and count >= TOO_MIN_COUNT
           and len("too " + word) <= KEY_WIDTH and word.isalpha()
           and not word.endswith("s") and word not in AUXILIARY_WORDS]
    body = too + between + no_subject + sorted(
        ((k, v) for k, v in keyed.items() if k not in moved),
        key=lambda kv: kv[0] + "\U0010ffff")
    body += [(k, v) for k, v in becoming_bare
             if k not in moved and k not in keyed]
    body += [(k, v) for k, v in sorted(loose_not.items())
             if len(k) <= KEY_WIDTH and k.replace(" ", "").isalpha()
             and not k.endswith("s") and k not in keyed
             and k.split()[-1] not in AUXILIARY_WORDS
             and not any(p in k for p in PHRASE_TABLE)]
    # A fallback that leaves a placeholder ("wanted to" が欲したのは 〓的)
    # before the fallback that takes that one back.
    tail = sorted(FALLBACKS.items(), key=lambda kv: ("〓" not in kv[1], kv[0]))
    tail += sorted(ANY_FALLBACKS.items())
    return sorted(got.items()) + head + ANY_WORDS + body + tail


def auxiliary_words():
    """The single words the auxiliary lines take, which no later line may
    hold as a key of its own."""
    return {k for k, _ in AUXILIARIES if " " not in k and "'" not in k}


# Nor may a key read one after a placeholder ("will" is the verb "to will"
# too, "no" a noun): the auxiliary's line has taken it before.
AUXILIARY_WORDS = auxiliary_words()
