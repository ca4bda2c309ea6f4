"""Idioms, phrasal verbs and relative pronouns: words that mean something
together that they do not mean apart.

Word by word, "after all" is の後ですべての (behind everything), "give up"
が与えたのは上へ (gave, upward) and "look for" が見るのために (looks, for the
sake of). Japanese has one word for each (結局, 諦める, 探す), so each
expression is a key of its own, in noun.txt before the keys of the single
words it holds.

How the table was chosen: WordNet's multi-word lemmas (the lines of
cntlist.rev whose lemma holds "_"), ranked by their tagged count; every
adverbial expression and every phrasal verb met at least ten times in
WordNet's texts was read with the filter's rendering beside it, and kept
where that rendering misleads and Japanese has a word for the whole (not
"go to" or "look at", which read right apart). Technical English adds its
own: the same expressions counted in the licences of
/usr/share/common-licenses and the manual pages of sections 1, 5 and 8
(one cloud tool's pages left out, as for today's senses), where "by
default" (about 5000 times), "set up", "turn off", "in order to", "as
well as", "make sure", "shut down" and "comply with" stand out. The
count of each row stands beside it (wn: WordNet's, tech: the technical
texts', all forms of a verb). Never from a list of test words.

Every Japanese word is an EDICT headword or reading, which the generator
checks; a leading particle (の, に, で, を, と) or a trailing …ない that
carries a negation ("no more" もう…ない, as the core writes "nothing"
何も…ない) stands outside the headword.

Keys hold 15 characters. A longer expression ("as soon as possible") is
cut after its head ("as soon as"), which becomes a placeholder, 〓 and a
kanji, as the auxiliaries do in grammar.py; the placeholder with the rest
("〓速 possible") gives the whole, and a placeholder nothing took becomes
the head's own reading ("as soon as" alone is すぐに).
"""

from .conjugate import Verb
from .edict import KEY_WIDTH
from .english import verb_forms
from .exclusions import holds_phrase
from .verbs import active_spellings, renderings

PLURAL_MARKER = "％１０００"

# Adverbial and prepositional expressions: English, Japanese, counts.
EXPRESSIONS = """
a few             いくつかの            wn 138   tech 312
not at all        全く…ない             wn 0     tech 3
at all            全く                  wn 81    tech 296
a little          少し                  wn 80    tech 81
and then          それから              wn 76    tech 571
not only          だけでなく            wn 71    tech 44
for example       例えば                wn 63    tech 2893
in fact           実際                  wn 52    tech 81
in addition       さらに                wn 50    tech 606
all of            すべての              wn 49    tech 486
at last           ついに                wn 44    tech 3
less than         未満                  wn 39    tech 293
all right         大丈夫                wn 53    tech 1
as well as        だけでなく            wn 0     tech 483
as well           また                  wn 34    tech 822
at once           すぐに                wn 33    tech 71
too much          多すぎる              wn 33    tech 42
with respect to   に関して              wn 29    tech 42
after all         結局                  wn 28    tech 73
no more           もう…ない             wn 27    tech 79
no doubt          きっと                wn 25    tech 0
due to            のため                wn 24    tech 391
not yet           まだ…ない             wn 22    tech 142
a bit             少し                  wn 21    tech 218
in general        一般に                wn 21    tech 141
at times          時々                  wn 15    tech 2
by no means       決して…ない           wn 15    tech 5
in turn           順番に                wn 15    tech 136
once more         もう一度              wn 15    tech 3
in the end        結局                  wn 14    tech 2
long ago          昔                    wn 14    tech 6
very much         とても                wn 14    tech 4
once again        再び                  wn 13    tech 9
for a while       しばらく              wn 12    tech 3
every day         毎日                  wn 11    tech 2
in detail         詳しく                wn 11    tech 35
more or less      多かれ少なかれ        wn 11    tech 18
on the contrary   逆に                  wn 10    tech 2
on the one hand   一方では              wn 10    tech 1
right away        すぐに                wn 10    tech 11
and so on         など                  wn 9     tech 185
in particular     特に                  wn 9     tech 195
later on          後で                  wn 9     tech 41
at a time         一度に                wn 8     tech 89
at present        現在                  wn 8     tech 20
all the time      いつも                wn 8     tech 11
in any case       とにかく              wn 8     tech 21
in short          要するに              wn 8     tech 30
more and more     ますます              wn 8     tech 4
depending on      に応じて              wn 8     tech 475
by default        デフォルトで          wn 0     tech 3070
in order to       ために                wn 0     tech 596
even if           たとえ                wn 0     tech 815
at most           せいぜい              wn 2     tech 133
as if             まるで                wn 0     tech 401
as though         まるで                wn 0     tech 34
in case of        の場合                wn 0     tech 157
so far            これまで              wn 7     tech 42
next to           の隣に                wn 0     tech 37
lots of           たくさんの            wn 0     tech 37
in front of       の前に                wn 0     tech 31
at the moment     今のところ            wn 0     tech 29
in advance        前もって              wn 5     tech 16
right now         今すぐ                wn 0     tech 16
in spite of       にもかかわらず        wn 0     tech 10
as soon as possible  できるだけ早く     wn 0     tech 10
at the same time  同時に                wn 39    tech 115
on the other hand  一方                 wn 26    tech 71
for the first time  初めて              wn 10    tech 17
in the first place  そもそも            wn 11    tech 11
in other words    つまり                wn 5     tech 137
as long as        限り                  wn 0     tech 107
in addition to    に加えて              wn 0     tech 337
rest of           残りの                wn 0     tech 182
as usual          いつも通り            wn 4     tech 61
for instance      例えば                wn 21    tech 186
all the way       ずっと                wn 14    tech 8
a couple of       二三の                wn 26    tech 25
subject to        に従う                wn 10    tech 230
regarding         に関して              wn 2     tech 61
to be sure        確かに                wn 11    tech 1
note that         注意                  wn 0     tech 1429
see also          参照                  wn 2     tech 101
see below         下記                  wn 0     tech 245
see above         上記                  wn 0     tech 174
"""

# Expressions of the novels of about 1810: counted in three of Austen's
# novels (Emma, Mansfield Park, Sense and Sensibility), where "every
# thing" is still two words (208 times) and "so" before "much" read as
# the conjunction だから ("therefore"). Kept where that count reaches 20.
NOVEL_EXPRESSIONS = """
every thing       全て                  wn 0     tech 0     novel 208
every body        皆                    wn 0     tech 0     novel 144
a great deal      たくさん              wn 1     tech 3     novel 137
in love with      恋                    wn 0     tech 0     novel 41
in love           恋                    wn 0     tech 0     novel 96
so much           そんなに              wn 3     tech 2     novel 259
so many           そんなに              wn 0     tech 3     novel 74
"""

# Expressions of real text, counted in the manual pages of section 1 whose
# names start with n to z and the READMEs of the packages so named ("man",
# capitalised forms too) and in the three novels ("novel"). "for more
# information" read のためにもっと情報 ("for the sake of more
# information"); in the novels "dare say" read が挑戦するのはが言うのは (a
# challenge), "as to" としてその対象は, and "any body", "any thing", still
# two words, どんな体 ("what body"), as "every body" was. Kept where a
# count reaches ten in the manuals or twenty in the novels.
REAL_EXPRESSIONS = """
for more information  詳細      wn 0     man 216    novel 0
for more details  詳細          wn 0     man 86     novel 0
for more info     詳細          wn 0     man 11     novel 0
as to             に関して      wn 1     man 18     novel 358
any thing         何でも        wn 0     man 0      novel 226
dare say          多分          wn 0     man 0      novel 126
any body          誰でも        wn 0     man 0      novel 91
some time         しばらく      wn 0     man 10     novel 90
a good deal       たくさん      wn 0     man 0      novel 42
"""

# The placeholders of the heads of expressions too long for a key (a word
# in "s" is followed by the plural marker, so "as well as" is "as ％１０００
# well as", 16 characters): the head's English, its placeholder, and how
# the head reads where the rest does not follow ("as well" また, "at the
# same place" でその同じ place).
HEADS = {
    "as soon": ("〓速", "同じくらい早く"),
    "as soon as": ("〓迅", "すぐに"),
    "as well": ("〓良", "また"),
    "as long": ("〓長", "同じくらい長く"),
    "at the same": ("〓同", "でその同じ"),
    "on the other": ("〓他", "の上にその他の"),
    "for the first": ("〓初", "のためにその最初の"),
    "in the first": ("〓首", "その最初の"),
    "for more": ("〓詳", "のためにもっと"),
}

# Phrasal verbs: English, Japanese verb (EDICT headword), its class, "t"
# where it takes an object (のは), counts (every form of the verb).
PHRASAL_VERBS = """
think of          考える       v1     t   wn 141   tech 14
go on             続く         v5k    i   wn 111   tech 18
pick up           拾う         v5u    t   wn 71    tech 32
consist of        成る         v5r    i   wn 67    tech 481
look like         似る         v1     i   wn 59    tech 159
go into           入る         v5r    i   wn 42    tech 49
go out            出かける     v1     i   wn 38    tech 6
pass through      通過         vs     t   wn 33    tech 87
think about       考える       v1     t   wn 29    tech 4
get into          入る         v5r    i   wn 24    tech 5
get back          戻る         v5r    i   wn 23    tech 1
go down           下がる       v5r    i   wn 23    tech 19
go home           帰る         v5r    i   wn 21    tech 0
take out          取り出す     v5s    t   wn 21    tech 1
arrive at         着く         v5k    i   wn 20    tech 9
come down         降りる       v1     i   wn 18    tech 0
depend upon       依存         vs     i   wn 17    tech 76
cut off           切断         vs     t   wn 16    tech 15
look back         振り返る     v5r    i   wn 15    tech 1
turn into         変わる       v5r    i   wn 15    tech 18
get away          逃げる       v1     i   wn 13    tech 1
look around       見回す       v5s    t   wn 13    tech 1
run away          逃げる       v1     i   wn 13    tech 0
set off           出発         vs     i   wn 13    tech 0
turn back         引き返す     v5s    i   wn 13    tech 1
take part         参加         vs     i   wn 12    tech 0
throw out         捨てる       v1     t   wn 12    tech 1
break out         勃発         vs     i   wn 11    tech 7
turn around       振り向く     v5k    i   wn 11    tech 0
cry out           叫ぶ         v5b    i   wn 10    tech 0
pass on           伝える       v1     t   wn 10    tech 87
send out          送り出す     v5s    t   wn 10    tech 39
cope with         対処         vs     i   wn 18    tech 20
turn out          判明         vs     i   wn 62    tech 11
come in           入る         v5r    i   wn 58    tech 18
set up            設置         vs     t   wn 55    tech 578
take place        行われる     v1     i   wn 54    tech 65
call for          要求         vs     t   wn 53    tech 50
come back         戻る         v5r    i   wn 53    tech 5
look for          探す         v5s    t   wn 53    tech 419
come out          出る         v1     i   wn 52    tech 8
point out         指摘         vs     t   wn 52    tech 9
find out          知る         v5r    t   wn 51    tech 55
depend on         依存         vs     i   wn 48    tech 975
get out           出る         v1     i   wn 45    tech 1
go back           戻る         v5r    i   wn 45    tech 13
carry out         実行         vs     t   wn 44    tech 12
sit down          座る         v5r    i   wn 40    tech 0
give up           諦める       v1     t   wn 38    tech 20
take over         引き継ぐ     v5g    t   wn 36    tech 13
account for       説明         vs     t   wn 35    tech 48
go up             上がる       v5r    i   wn 35    tech 8
belong to         属する       vs-s   i   wn 34    tech 205
stand up          立ち上がる   v5r    i   wn 34    tech 0
get up            起きる       v1     i   wn 31    tech 0
work on           取り組む     v5m    i   wn 26    tech 127
put on            着る         v1     t   wn 25    tech 5
believe in        信じる       v1     t   wn 24    tech 0
grow up           育つ         v5t    i   wn 17    tech 0
rely on           頼る         v5r    i   wn 15    tech 124
turn on           つける       v1     t   wn 16    tech 328
wake up           起きる       v1     i   wn 15    tech 26
run out of        使い果たす   v5s    t   wn 0     tech 27
show up           現れる       v1     i   wn 12    tech 39
break down        故障         vs     i   wn 11    tech 7
get rid of        取り除く     v5k    t   wn 10    tech 9
turn off          消す         v5s    t   wn 10    tech 994
look up           調べる       v1     t   wn 8     tech 110
clean up          片付ける     v1     t   wn 8     tech 105
make sure         確認         vs     t   wn 5     tech 297
shut down         停止         vs     t   wn 2     tech 95
back up           バックアップ vs     t   wn 7     tech 29
comply with       従う         v5u    i   wn 0     tech 30
talk about        話す         v5s    t   wn 50    tech 15
figure out        理解         vs     t   wn 6     tech 42
take care of      世話         vs     t   wn 0     tech 28
fill in           記入         vs     t   wn 5     tech 28
go through        経験         vs     t   wn 11    tech 18
keep on           続ける       v1     t   wn 16    tech 6
carry on          続ける       v1     t   wn 11    tech 0
run into          出会う       v5u    i   wn 8     tech 10
refer to          参照         vs     t   wn 0     tech 655
take up           取り上げる   v1     t   wn 27    tech 20
take on           引き受ける   v1     t   wn 22    tech 12
bring in          持ち込む     v5m    t   wn 23    tech 14
build up          築き上げる   v1     t   wn 21    tech 15
get in            入る         v5r    i   wn 18    tech 6
call out          叫ぶ         v5b    t   wn 18    tech 0
set out           出発         vs     i   wn 17    tech 0
keep up           維持         vs     t   wn 17    tech 8
take away         取り去る     v5r    t   wn 16    tech 7
set forth         述べる       v1     t   wn 15    tech 2
seek out          探し出す     v5s    t   wn 14    tech 0
put in            入れる       v1     t   wn 14    tech 35
make out          見分ける     v1     t   wn 14    tech 0
bring about       引き起こす   v5s    t   wn 14    tech 1
bring out         引き出す     v5s    t   wn 13    tech 0
go wrong          失敗         vs     i   wn 12    tech 26
lie down          横になる     v5r    i   wn 11    tech 0
catch up with     追いつく     v5k    i   wn 11    tech 0
count on          頼る         v5r    i   wn 9     tech 6
settle down       落ち着く     v5k    i   wn 9     tech 1
stand out         目立つ       v5t    i   wn 9     tech 1
pull out          引き抜く     v5k    t   wn 9     tech 2
put down          下ろす       v5s    t   wn 9     tech 0
conform to        準拠         vs     i   wn 9     tech 80
give way          譲る         v5r    i   wn 9     tech 0
fall back         戻る         v5r    i   wn 7     tech 48
get started       始める       v1     i   wn 5     tech 12
hold on           待つ         v5t    i   wn 12    tech 0
"""

# Phrasal verbs of real text: counted, every form, in the manual pages of
# section 1 whose names start with n to z and the READMEs of the packages
# so named ("man"), and in the three novels ("novel"), with WordNet's
# count beside; kept where the manuals reach ten or the novels twenty and
# the words apart mislead ("print out" が表示するのは外へ, "go away"
# 行く離れて, "call on" が呼ぶの上に, a visit). Not "make up", "take in"
# or "fix on", whose sense changes with what follows.
REAL_PHRASAL_VERBS = """
print out         出力         vs     t   wn 0     man 200  novel 0
start up          起動         vs     t   wn 2     man 57   novel 3
speed up          速める       v1     t   wn 3     man 37   novel 0
work around       回避         vs     t   wn 0     man 21   novel 0
write out         書き出す     v5s    t   wn 2     man 19   novel 4
click on          クリック     vs     t   wn 0     man 12   novel 0
go away           立ち去る     v5r    i   wn 7     man 1    novel 54
call on           訪ねる       v1     t   wn 8     man 4    novel 38
turn away         背ける       v1     i   wn 19    man 0    novel 29
walk about        歩き回る     v5r    i   wn 1     man 0    novel 24
bring up          育てる       v1     t   wn 8     man 6    novel 23
"""

# Relative pronouns. After a noun, "who", "which" and "whom" open a
# relative clause, which Japanese puts before its noun without any word
# of its own: left out, "the book which I read was long" reads その本私が
# 読んだのは長い, in Japanese order. Since a relative pronoun always
# follows the noun it describes, the keys are the noun and the pronoun
# together (relative_after_noun_lines; a plural noun, "files ％１０００
# which", by its marker; a clause after a comma, "、 which", the same), and
# the word alone is the question word (誰, どの): where a line begins ("Who
# wrote this?" alone on its line, which no key can tell, as no key holds a
# line break), after a full stop, and after a verb ("decide which", "ask
# who"). "whose" is mostly the noun's の (その男の車), and stays so alone.
RELATIVES = {"who": "誰", "which": "どの", "whom": "誰を", "whose": "の"}
RELATIVES_AFTER_NOUN = ("that", "who", "which", "whom")
QUESTION_WORDS = {"who": "誰", "which": "どの", "whom": "誰を",
                  "whose": "誰の"}
# After a preposition the relative pronoun is the place or the thing the
# clause is about ("the house in which he lives"): the preposition's
# particle alone, as Japanese marks the word inside the clause (彼がそこで
# 住む家: the particle stays, the pronoun goes).
RELATIVE_AFTER_PREPOSITION = {
    "in which": "で", "on which": "で", "at which": "で",
    "with which": "で", "to which": "に", "of which": "の",
    "from which": "から", "by which": "によって", "for which": "のために",
    "to whom": "に", "with whom": "と", "of whom": "の",
    "from whom": "から", "for whom": "のために",
}
# Where the question word stands: after these words and marks.
QUESTION_BEFORE = {
    "know": "が知っているのは", "knew": "が知っていたのは",
    "ask": "が尋ねるのは", "asked": "が尋ねたのは", "wonder": "が思うのは",
    "me": "私",
}
# After a relative pronoun comes a verb ("the man who lives here", "the
# tool that works", "people who work"), even one whose spelling is mostly
# a noun elsewhere (人生 "lives", 仕事 "work"): for those verbs the pronoun
# and the verb are one key, read as the verb.
RELATIVE_BEFORE_VERB = ("who", "which", "that")
# So is a word after a subject pronoun ("he lives", "we work"): a form in
# "s" after he, she and it, the base after the others ("I" is 私 by then).
# The pronoun keeps its rendering (the built-in table's or the core's).
SUBJECTS_OF_S = {"he": "彼", "she": "彼女", "it": "それ"}
SUBJECTS_OF_BASE = {"私": "私", "you": "あなた", "we": "私たち",
                    "they": "それら"}

# "that" after a word in "s" (a plural noun, or a verb's -s form: "files
# that", "says that") opens a relative or a reported clause, never the
# demonstrative その: it is left out, and so are the relative pronouns
# after a plural noun and after a comma ("the book, which was long").
THAT_AFTER_S = ("％１０００ that", PLURAL_MARKER)
# Nor before an article, a demonstrative or a possessive ("said that the
# file was lost", "clear that a bug exists"): the demonstrative "that"
# never stands before another determiner, so it is the conjunction, and
# goes; read word by word it was そのその. "so that" keeps its reading
# (するために), which a key of its own would otherwise lose.
THAT_BEFORE_OPENER = {"the": "その", "a": "一つの", "an": "一つの",
                      "this": "これ", "these": "これら", "my": "私の",
                      "your": "あなたの", "his": "彼の", "our": "私たちの",
                      "their": "彼らの"}
SO_THAT = "するために"
THAT_BEFORE_OPENER_LINES = [
    (before + "that " + opener, value + japanese)
    for before, value in (("so ", SO_THAT), ("", ""))
    for opener, japanese in sorted(THAT_BEFORE_OPENER.items())]
RELATIVE_AFTER_S = [(PLURAL_MARKER + " " + word, PLURAL_MARKER)
                    for word in ("who", "which", "whom")]
RELATIVE_AFTER_COMMA = [("、 " + word, "、") for word in ("who", "which",
                                                          "whom")]
# Nor before a subject pronoun ("the book that I read", "I know that he
# runs"): the demonstrative never stands there. The pronoun keeps its
# rendering.
THAT_BEFORE_SUBJECT = {"that " + pronoun: japanese for pronoun, japanese
                       in list(SUBJECTS_OF_S.items())
                       + list(SUBJECTS_OF_BASE.items())}


def _rows(text, columns):
    rows = []
    for line in text.strip("\n").split("\n"):
        parts = line.split()
        # The English takes as many words as stand before the Japanese
        # (the first field that is not ASCII).
        at = next(i for i, p in enumerate(parts) if not p.isascii())
        english = " ".join(parts[:at])
        rest = parts[at:]
        if len(rest) != columns:
            raise ValueError("bad idiom line %r" % line)
        rows.append((english,) + tuple(rest))
    return rows


def _counted(row):
    """The row without its counts (wn N tech N)."""
    return row[:-4]


EXPRESSION_TABLE = [r[:2] for r in _rows(EXPRESSIONS, 5)] + \
    [r[:2] for r in _rows(NOVEL_EXPRESSIONS, 7)] + \
    [r[:2] for r in _rows(REAL_EXPRESSIONS, 7)]
# (English, Japanese verb, class, transitive)
PHRASAL_TABLE = [r[:3] + (r[3] == "t",) for r in _rows(PHRASAL_VERBS, 7)
                 + _rows(REAL_PHRASAL_VERBS, 9)]
# Each row's counts, (WordNet's, the technical texts'), to check the
# table against its sources.
COUNTS = {r[0]: (int(r[-3]), int(r[-1]))
          for text, n in ((EXPRESSIONS, 5), (PHRASAL_VERBS, 7))
          for r in _rows(text, n)}
COUNTS.update({r[0]: (int(r[-5]), int(r[-3]))
               for text, n in ((NOVEL_EXPRESSIONS, 7),
                               (REAL_EXPRESSIONS, 7),
                               (REAL_PHRASAL_VERBS, 9))
               for r in _rows(text, n)})
# The novels' counts of their rows.
NOVEL_COUNTS = {r[0]: int(r[-1]) for text, n in ((NOVEL_EXPRESSIONS, 7),
                                                 (REAL_EXPRESSIONS, 7),
                                                 (REAL_PHRASAL_VERBS, 9))
                for r in _rows(text, n)}

PARTICLES = ("の", "に", "で", "を", "と")
NEGATION = "…ない"


def headword_forms(value):
    """The value and the EDICT word it may hold: without a leading or a
    trailing particle or both (のため, すべての, 一方では, の隣に) or a
    trailing …ない."""
    if value.endswith(NEGATION):
        value = value[:-len(NEGATION)]
    forms = [value]
    for particle in PARTICLES + ("では",):
        if value.startswith(particle):
            forms.append(value[len(particle):])
    for form in list(forms):
        for particle in PARTICLES + ("では",):
            if form.endswith(particle):
                forms.append(form[:-len(particle)])
    return forms


def check_headwords(headwords):
    """Every Japanese word must be an EDICT headword or reading: the table
    chooses among the source's words, it adds none."""
    values = [v for _, v in EXPRESSION_TABLE] + \
        [h for _, h, _, _ in PHRASAL_TABLE]
    missing = sorted(set(v for v in values if not any(
        f in headwords for f in headword_forms(v))))
    if missing:
        raise ValueError("idioms that are no EDICT headword: %s"
                         % ", ".join(missing))


def marked(words):
    """The words as the dictionaries meet them: the plural marker after
    every word in "s" that another follows (the last one's stands after
    the key, where the key's closing space meets it)."""
    return " ".join(w + (" " + PLURAL_MARKER if w.endswith("s") else "")
                    for w in words[:-1]) + (" " if len(words) > 1 else "") \
        + words[-1]


def chain(english, value):
    """The lines of one expression: its key, or, where that is longer than
    a key, its head to a placeholder (HEADS), and the placeholder with
    the words after it, as often as needed. Each line as (depth, key,
    value), depth counting the placeholders before it."""
    words = english.split()
    lines, start, depth = [], [], 0
    while True:
        key = " ".join(start + [marked(words[depth:])])
        if len(key) <= KEY_WIDTH:
            return lines + [(depth, key, value)]
        taken = len(words) - 1
        while taken > depth and len(" ".join(
                start + [marked(words[depth:taken] + ["x"])[:-2]])) \
                > KEY_WIDTH:
            taken -= 1
        head = " ".join(words[:taken])
        if taken == depth or head not in HEADS:
            raise ValueError("%r needs a placeholder for its head %r"
                             % (english, head))
        placeholder = HEADS[head][0]
        lines.append((depth, " ".join(
            start + [marked(words[depth:taken] + ["x"])[:-2]]), placeholder))
        start, depth = [placeholder], taken


# Placeholders for a phrasal verb's form in "s" where the form, its marker
# and its particle are longer than a key ("depends ％１０００ on" is 16):
# the form and its marker become one of these, in the order of the forms.
S_FORM_PLACEHOLDERS = "〓" + "〓".join(
    "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午申酉戌亥天地玄黄宇宙洪荒盈昃宿列張"
    "寒暑往秋収冬蔵閏余歳")


def s_form_heads(forms_of):
    """{a form in "s": its placeholder} for the forms whose phrasal keys
    do not all fit ("depends", "takes")."""
    long = set()
    for english, _, _, _ in PHRASAL_TABLE:
        head, rest = english.split(" ", 1)
        for spelling in forms_of(head)["s"]:
            if len(marked([spelling] + rest.split())) > KEY_WIDTH:
                long.add(spelling)
    placeholders = S_FORM_PLACEHOLDERS.split("〓")[1:]
    if len(long) > len(placeholders):
        raise ValueError("more phrasal forms in s need a placeholder (%d) "
                         "than there are (%d)" % (len(long), len(placeholders)))
    return {spelling: "〓" + kanji
            for spelling, kanji in zip(sorted(long), placeholders)}


def _phrasal_lines(forms_of, heads={}):
    """Every form of each phrasal verb, with "to" before its base and
    "have" or "had" before its participle, as the verb lines of
    verbs.py render them; a form in "s" with a placeholder in heads is
    read through it."""
    lines = []
    for english, headword, klass, transitive in PHRASAL_TABLE:
        head, rest = english.split(" ", 1)
        values = renderings(Verb(headword, klass), transitive)
        forms = forms_of(head)
        for form in ("base", "s", "past", "pp", "ing"):
            for spelling in forms[form]:
                # The plural marker stands after a form in "s".
                if form == "s" and spelling in heads:
                    key = heads[spelling] + " " + marked(rest.split())
                else:
                    key = marked([spelling] + rest.split())
                lines.append((key, values[form]))
        for base in forms["base"]:
            lines.append((marked(["to", base] + rest.split()), values["to"]))
        for participle in forms["pp"]:
            for auxiliary in ("have", "had"):
                lines.append((marked([auxiliary, participle] + rest.split()),
                              values["perfect"]))
    return lines


def auxiliary_lines(forms_of):
    """The phrasal verbs read with the placeholder of an auxiliary before
    them, as grammar.py reads a verb ("〓否 give up" が諦めないのは, "〓将
    look for" が探すであろうのは, "〓受 set up" が設置される): these go
    among grammar.py's lines, before the placeholder takes the verb alone
    ("〓否 give")."""
    from . import grammar
    lines = []
    for english, headword, klass, transitive in PHRASAL_TABLE:
        head, rest = english.split(" ", 1)
        verb, forms = Verb(headword, klass), forms_of(head)
        for marker, (wanted, render) in sorted(
                grammar._verb_forms().items()):
            for form in wanted:
                for spelling in forms[form]:
                    lines.append((marker + " " + marked(
                        [spelling] + rest.split()), render(verb, transitive)))
        for form, render in sorted(grammar.NEVER.items()):
            for spelling in forms[form]:
                lines.append(("〓絶 " + marked([spelling] + rest.split()),
                              "が決して" + render(verb)
                              + ("のは" if transitive else "")))
        if transitive:
            for marker, render in sorted(grammar.PASSIVE.items()):
                for spelling in forms["pp"]:
                    lines.append((marker + " " + marked(
                        [spelling] + rest.split()), "が" + render(verb)))
    unique = {}
    for key, value in lines:
        if len(key) <= KEY_WIDTH and not holds_phrase(key):
            unique.setdefault(key, value)
    return sorted(unique.items(), key=lambda kv: kv[0] + "\U0010ffff")


# A phrasal verb with its object between ("turn it off", "pick them up"):
# English puts a pronoun object there, never after the particle, so
# "turn it off" read word by word was が回るそれ離れて (turns; it; away).
# Only the pronouns, whose Japanese follows the verb's topic phrase in the
# built-in style (が消すのはそれ); a noun between ("turn the light off")
# would need a key for every noun.
OBJECTS_BETWEEN = {"it": "それ", "them": "それら"}


def split_phrasal_lines(forms_of):
    """"turn it off", "turned them off", "to turn it off" and the like,
    for each phrasal verb that takes an object."""
    lines = []
    for english, headword, klass, transitive in PHRASAL_TABLE:
        if not transitive:
            continue
        head, rest = english.split(" ", 1)
        if " " in rest:
            continue
        values = renderings(Verb(headword, klass), transitive)
        forms = forms_of(head)
        for form, spelling in active_spellings(forms):
            for pronoun, japanese in sorted(OBJECTS_BETWEEN.items()):
                key = marked(spelling.split() + [pronoun, rest])
                lines.append((key, values[form] + japanese))
    return lines


# "that" right after a singular noun ("the tool that reads the file", "the
# dog that bit me") opens a relative or a reported clause ("the fact that
# it works"), and is left out, as after a word in "s"; read word by word it
# was the demonstrative その (その道具その, "that tool, that"). A noun is
# hardly ever followed by the demonstrative. So with "who", "which" and
# "whom", which read as question words elsewhere. The nouns come from the
# vocabulary (build's nouns_before_relative); these lines go after every
# other idiom key, so that "who lives" and the like read their verb first.
def relative_after_noun_lines(nouns):
    """(noun + " " + a relative pronoun, the noun's rendering) for each
    (noun, rendering)."""
    return [(noun + " " + word, value) for noun, value in sorted(nouns)
            if not noun.endswith("s") and " " not in noun
            for word in RELATIVES_AFTER_NOUN]


# Agent phrases. "was caught by the police" read word by word is
# が捕まえられたによってその警察 ("by: the police"), the particle before its
# noun, where Japanese puts it after (その警察によって). "by the" and "by
# a" become a placeholder each, and the placeholder with a noun reads the
# article, the noun and によって; a placeholder no noun took (an adjective
# between, "by the old man", or a rarer noun) reads as before, によって and
# the article, so nothing reads worse than it did.
AGENTS = {"the": ("〓依", "その"), "a": ("〓因", "一つの"),
          "an": ("〓因", "一つの")}
AGENT_PRONOUNS = {"me": "私", "him": "彼", "them": "彼ら", "us": "私たち",
                  "you": "あなた"}
AGENT_PARTICLE = "によって"
# "by his", "by her" and the other possessives open an agent as the
# articles do ("written by his mother" 彼の母によって); a placeholder of
# each, read with a noun. "by her" with no noun after it is the pronoun
# ("seen by her" 彼女によって), as "by him" is.
POSSESSIVE_AGENTS = {"his": ("〓鶴", "彼の", "彼の"),
                     "her": ("〓亀", "彼女の", "彼女"),
                     "my": ("〓鷺", "私の", "私の"),
                     "your": ("〓鴨", "あなたの", "あなたの"),
                     "their": ("〓燕", "彼らの", "彼らの"),
                     "our": ("〓雀", "私たちの", "私たちの"),
                     "its": ("〓鷹", "その", "その")}
# "by the" that opens no agent: a remark, or a time limit. These go
# before "by the" itself; any other noun after it reads as the agent
# ("stood by the door" そのドアによって, as it read によってそのドア).
NOT_AGENT = {"by the way": "ところで", "by the end": "その終わりまでに",
             "by the time": "その時までに"}
# An adjective between the article and the noun ("written by a young
# musician") moves the article's placeholder past it: the article and the
# adjective, then a placeholder of its own that reads the noun and によって
# (若い音楽家によって, where it read によって一つの若い音楽家). "a" and "an"
# read nothing there: Japanese says no "one" before an agent. "by" right
# before a noun ("by teachers", "by students") reads the noun the same way.
AGENT_AFTER_ADJECTIVE = "〓鳩"
AGENT_ADJECTIVE_OPENERS = {"〓依": "その", "〓因": ""}


def agent_lines(nouns, adjectives=()):
    """(the lines that open an agent phrase and read it, the fallbacks).

    nouns: (English word, rendering) pairs; a noun's plural takes its
    line, as every noun line does; adjectives: (English word, rendering)
    pairs that may stand between the article and the noun."""
    lines = sorted(NOT_AGENT.items())
    lines += [("by " + article, placeholder)
              for article, (placeholder, _) in sorted(AGENTS.items())]
    # "his" and "its" have the plural marker after them.
    lines += [("by " + possessive
               + (" " + PLURAL_MARKER if possessive.endswith("s") else ""),
               placeholder)
              for possessive, (placeholder, _, _)
              in sorted(POSSESSIVE_AGENTS.items())]
    lines += [("by " + pronoun, japanese + AGENT_PARTICLE)
              for pronoun, japanese in sorted(AGENT_PRONOUNS.items())]
    # Each key as if followed by the highest character, so that "news"
    # goes before "new", whose line would take it as a plural.
    reads = {(placeholder, japanese)
             for placeholder, japanese in AGENTS.values()}
    reads |= {(placeholder, japanese)
              for placeholder, japanese, _ in POSSESSIVE_AGENTS.values()}
    lines += sorted([(placeholder + " " + noun,
                      japanese + value + AGENT_PARTICLE)
                     for placeholder, japanese in sorted(reads)
                     for noun, value in nouns],
                    key=lambda kv: kv[0] + "\U0010ffff")
    # After the nouns, so that a noun spelt as an adjective ("the
    # chemical") stays the noun it was read as.
    # An adjective in "s" has the plural marker after it ("famous").
    lines += [(placeholder + " " + adjective
               + (" " + PLURAL_MARKER if adjective.endswith("s") else ""),
               opener + value + " " + AGENT_AFTER_ADJECTIVE)
              for placeholder, opener in sorted(AGENT_ADJECTIVE_OPENERS.items())
              for adjective, value in sorted(adjectives)]
    lines += sorted([(opener + " " + noun, value + AGENT_PARTICLE)
                     for opener in (AGENT_AFTER_ADJECTIVE, "by")
                     for noun, value in nouns],
                    key=lambda kv: kv[0] + "\U0010ffff")
    fallbacks = sorted((placeholder, AGENT_PARTICLE + japanese)
                       for placeholder, japanese in AGENTS.values())
    # An adjective no noun followed: the particle after it, as close as
    # the words allow ("by the same" その同じによって).
    fallbacks.append((AGENT_AFTER_ADJECTIVE, AGENT_PARTICLE))
    # A possessive with no noun read after it keeps it after the
    # particle, as the article does ("by his own" によって彼の own).
    fallbacks += sorted((placeholder, AGENT_PARTICLE + alone)
                        for placeholder, _, alone
                        in POSSESSIVE_AGENTS.values())
    fallbacks = sorted(set(fallbacks))
    return [(key, value) for key, value in lines if len(key) <= KEY_WIDTH], \
        fallbacks


# "like" as a preposition. The built-in table reads "like" as the verb
# (が好きなのは, "what ... likes is"), so "a file like this" said that
# someone liked it. Before an article, a demonstrative, a possessive or an
# object pronoun, and after a word in "s" ("tools like grep"), "like" is
# the preposition far more often (about 440 times in the manual pages,
# licences and three novels of the tuning texts, against 64 of a subject
# pronoun and "like"): のような, where the preposition stands, in the
# built-in style. After a subject pronoun and in "to like" it stays the
# verb; "would like", "don't like" and the other auxiliaries have taken
# their "like" before these lines run, and "looks like" its own.
LIKE_SUBJECTS = dict(SUBJECTS_OF_BASE, who="")
LIKE_OBJECTS = {"the": "その", "a": "一つの", "an": "一つの",
                "this": "こ", "that": "そ", "these": "これら",
                "those": "それら", "it": "それ", "him": "彼",
                "her": "彼女", "me": "私", "you": "あなた", "them": "彼ら",
                "us": "私たち", "my": "私の", "your": "あなたの",
                "his": "彼の", "our": "私たちの", "their": "彼らの",
                "its": "その", "any": "どんな", "some": "いくつかの"}
# The words that go before のような rather than after it.
LIKE_BEFORE_PREPOSITION = ("this", "that", "it", "him", "me", "you", "them",
                           "us")
LIKE_VERB = "が好きなのは"
LIKE_PREPOSITION = "のような"
# The forms of "like" a key may keep: "to like" as verbs.py renders it.
LIKE_TO = ("to like", "好むこと")


def like_lines(likes=None):
    """The subjects with "like" first, then the preposition; with likes,
    the rendering of "likes", "like" alone is the preposition too."""
    from .grammar import BETWEEN
    # An adverb between the subject and the verb ("I really like it").
    lines = [(subject + " " + marked([adverb, "like"]),
              japanese + between + LIKE_VERB)
             for subject, japanese in sorted(LIKE_SUBJECTS.items())
             for adverb, between in sorted(BETWEEN.items())]
    lines = [(key, value) for key, value in lines if len(key) <= KEY_WIDTH]
    lines += [(subject + " like", japanese + LIKE_VERB)
              for subject, japanese in sorted(LIKE_SUBJECTS.items())]
    lines.append(LIKE_TO)
    # Longer words first: a line takes its key + "s" ("like it" would
    # take "like its").
    for word, japanese in sorted(LIKE_OBJECTS.items(),
                                 key=lambda kv: (-len(kv[0]), kv[0])):
        if word in LIKE_BEFORE_PREPOSITION:
            # このような, そのような: the demonstrative's own adjective;
            # 彼のような: a pronoun stands before the particle.
            lines.append(("like " + word, japanese + LIKE_PREPOSITION))
        else:
            lines.append(("like " + word, LIKE_PREPOSITION + japanese))
    # The marker goes with "like": a value holds no space but before a
    # placeholder.
    lines.append((PLURAL_MARKER + " like", LIKE_PREPOSITION))
    if likes is not None:
        # Whatever is left: "something like", "felt like", "openssl like
        # req". The verb has no subject of its own left to stand after
        # (English says "likes" after he, she and a name); "likes" first,
        # which a line of "like" would take as its plural.
        lines += [("likes", likes), ("like", LIKE_PREPOSITION)]
    return lines


def _question_lines():
    return [("%s %s" % (before, word), rendered + question)
            for before, rendered in sorted(QUESTION_BEFORE.items())
            for word, question in sorted(QUESTION_WORDS.items())]


def relative_verb_lines(verbs):
    """"who lives ％１０００", "he lives ％１０００", "we work" and the
    like, for each (spelling of a verb's base or -s form, its rendering,
    the form) in verbs."""
    lines = []
    for spelling, value, form in sorted(verbs):
        word = marked([spelling, "x"])[:-2]
        subjects = SUBJECTS_OF_S if form == "s" else SUBJECTS_OF_BASE
        lines += [("%s %s" % (pronoun, word), value)
                  for pronoun in RELATIVE_BEFORE_VERB
                  # "that work" is mostly the demonstrative and a noun.
                  if form == "s" or pronoun != "that"]
        lines += [("%s %s" % (pronoun, word), subject + value)
                  for pronoun, subject in sorted(subjects.items())]
    return lines


def build(forms_of=lambda verb: verb_forms(verb, []), noun_like_verbs=(),
          plain=None, nouns_before_relative=(), agents=(),
          agent_adjectives=(), later=(), kinds=None):
    """The idiom lines of noun.txt, in order: the heads of the long
    expressions to their placeholders, deepest last, with the lines that
    read them; the question words after a verb of asking; the other
    expressions, phrasal verbs and relative pronouns before a verb (longer
    keys before the keys they hold); and the fallbacks of the
    placeholders.

    forms_of: an English verb -> {form: [spellings]}, as
    english.verb_forms gives them with WordNet's irregular forms;
    noun_like_verbs: (spelling, rendering) of the verbs' -s forms that
    the vocabulary reads as nouns elsewhere; plain: a spelling -> how the
    vocabulary renders it alone, for the fallback of a placeholder of a
    form in "s" (without it, such forms get no keys but those that fit);
    nouns_before_relative: (noun, rendering) of the singular nouns after
    which "that", "who", "which" and "whom" are left out; agents: the
    (noun, rendering) pairs that an agent phrase reads ("by the
    police"), which a prepositional phrase reads too ("in the house",
    prepositions.py); later: the (key, value) of the vocabulary's keys of
    several words, which go after these lines; kinds: the nouns' WordNet
    files, for prepositions.build."""
    heads = s_form_heads(forms_of) if plain is not None else {}
    chained, body = [], []
    for english, value in EXPRESSION_TABLE:
        for depth, key, rendering in chain(english, value):
            (chained if depth or rendering.startswith("〓")
             else body).append((depth, key, rendering))
    chained.sort(key=lambda line: line[0])
    body = [(key, value) for _, key, value in body] \
        + _phrasal_lines(forms_of, heads) \
        + split_phrasal_lines(forms_of) \
        + relative_verb_lines(noun_like_verbs) \
        + sorted(RELATIVE_AFTER_PREPOSITION.items()) \
        + sorted(THAT_BEFORE_SUBJECT.items()) \
        + [THAT_AFTER_S] + RELATIVE_AFTER_S + RELATIVE_AFTER_COMMA \
        + THAT_BEFORE_OPENER_LINES
    # The question words go before the relative pronouns read with a
    # verb: "。 which work" is a question.
    seen, kept = set(), []
    for _, key, value in chained:
        if key not in seen:
            seen.add(key)
            kept.append((key, value))
    first = kept + [(spelling + " " + PLURAL_MARKER, placeholder)
                    for spelling, placeholder in sorted(heads.items())] \
        + _question_lines()
    seen.update(key for key, _ in first)
    kept = []
    for key, value in body:
        if len(key) <= KEY_WIDTH and not holds_phrase(key) \
                and key not in seen:
            seen.add(key)
            kept.append((key, value))
    # More words first: "not at all" before "at all"; then, as in
    # grammar.py, each key as if followed by the highest character, so
    # that "gives ％１０００ up" goes before a key it extends.
    kept.sort(key=lambda kv: (-len(kv[0].split()), kv[0] + "\U0010ffff"))
    # "like" before a noun's "that" ("things like that" is no relative).
    for key, value in like_lines(plain("likes") if plain else None):
        if key not in seen:
            seen.add(key)
            kept.append((key, value))
    for key, value in relative_after_noun_lines(nouns_before_relative):
        if len(key) <= KEY_WIDTH and not holds_phrase(key) \
                and key not in seen:
            seen.add(key)
            kept.append((key, value))
    agent, agent_fallbacks = agent_lines(agents, agent_adjectives)
    for key, value in agent:
        if not holds_phrase(key) and key not in seen:
            seen.add(key)
            kept.append((key, value))
    # The prepositions after every other idiom: "according to", "log in"
    # and the phrasal verbs keep their preposition.
    from . import prepositions, technical
    phrase_nouns = list(agents) + sorted(
        (key, value) for key, value in technical.TECHNICAL_NOUNS.items()
        if key not in dict(agents))
    phrase, phrase_fallbacks = prepositions.build(
        phrase_nouns, agent_adjectives, later, kinds,
        [(key, value) for key, value in nouns_before_relative
         if key not in relative_pronoun_antecedents()])
    for key, value in phrase:
        if not holds_phrase(key) and key not in seen:
            seen.add(key)
            kept.append((key, value))
    fallbacks = agent_fallbacks + phrase_fallbacks \
        + sorted(HEADS.values()) + sorted(
        (placeholder, plain(spelling))
        for spelling, placeholder in heads.items())
    return first + kept + fallbacks


def relative_pronoun_antecedents():
    """The pronouns vocabulary.py lists among the nouns a relative clause
    follows ("something", "those"): no noun of a prepositional phrase."""
    from .vocabulary import PRONOUNS_BEFORE_RELATIVE
    return set(PRONOUNS_BEFORE_RELATIVE)


def keys():
    """Every key the idiom lines hold, and the relative pronouns."""
    return {k for k, _ in build()} | set(RELATIVES)
