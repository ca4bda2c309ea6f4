#!/usr/bin/env python3
"""Independent reference model of the ミカワセ translation engine.

Written from the behaviour description alone, without looking at the C++
engine, so that the differential harness can catch faults on both sides.
Everything is a plain str.replace over code points: Python's str.replace is
exactly the left-to-right, non-overlapping, no-rescan primitive the engine
uses, except that an empty search string must change nothing.

Usage as a filter (same contract as mikawase-cli):
    mikawase_reference.py [--data-dir DIR] [--crlf] [FILE]
"""

import os
import re
import sys

# Guard against dictionaries whose values keep feeding later keys: the text
# may not grow past this many UTF-8 bytes.  Kept as one formula so the
# harness and the dedicated test can follow any change.
GROWTH_BASE_BYTES = 64 * 1024 * 1024
GROWTH_BYTES_PER_INPUT_BYTE = 32


def growth_limit(text):
    return GROWTH_BASE_BYTES + GROWTH_BYTES_PER_INPUT_BYTE * len(text.encode("utf-8"))


class ReferenceError(Exception):  # noqa: A001 - deliberately our own name
    """A failed translation: kind, dictionary file name, 1-based line or 0."""

    def __init__(self, kind, file, line):
        super().__init__(kind, file, line)
        self.kind, self.file, self.line = kind, file, line

    def key(self):
        return (self.kind, self.file, self.line)


PLURAL_MARKER = "％１０００"

# Protected acronyms become letter codes before anything can lowercase them.
ENCODE = (
    ('ActiveX', '％０００１％００３３％００５０％００３９％００５２％００３５％００２４'),  # 1
    ('CGI', '％０００３％０００７％０００９'),  # 2
    ('CPU', '％０００３％００１６％００２１'),  # 3
    ('HTML', '％０００８％００２０％００１３％００１２'),  # 4
    ('USB', '％００２１％００１９％０００２'),  # 5
    ('PTA', '％００１６％００２０％０００１'),  # 6
)

# Capitalised spellings; must run while the capitals are still there.
# Japanese before Japan, U.S. and Mt. before the period rule.
NAMES = (
    ('I ', '私 '),  # 1
    ('And ', 'そして '),  # 2
    ('Alice', 'アリス'),  # 3
    ('Aristotle', 'アリストテレス'),  # 4
    ('America', 'アメリカ'),  # 5
    ('Asia', 'アジア'),  # 6
    ('Britain', 'イギリス'),  # 7
    ('China', '中国'),  # 8
    ('Chinese', '中国語'),  # 9
    ('English', '英語'),  # 10
    ('Hawaii', 'ハワイ'),  # 11
    ('Japanese', '日本人'),  # 12
    ('Japan', '日本'),  # 13
    ('Korea', '朝鮮'),  # 14
    ('Swiss', 'スイス'),  # 15
    ('June', '６月'),  # 16
    ('Saturday', '土曜日'),  # 17
    ('U.S.', 'アメリカ'),  # 18
    ('Mt.', '山'),  # 19
    ('What', 'なにが'),  # 20
)

# Punctuation becomes a spaced token so whole-word patterns see it.
PUNCT = (
    ('.', ' 。 '),  # 1
    (',', ' 、 '),  # 2
    ('?', ' ？ '),  # 3
    ('!', ' ！ '),  # 4
    (';', ' 、 '),  # 5
)

# Curly apostrophes and quotes become straight, before the contractions.
CURLY = (
    ("\u2019", "'"),  # 1
    ("\u2018", "'"),  # 2
    ("\u201c", '"'),  # 3
    ("\u201d", '"'),  # 4
)

# Marks that stand against a word are spaced out and kept.
QUOTES = (
    ('"', ' " '),  # 1
    ('(', ' ( '),  # 2
    (')', ' ) '),  # 3
    ('[', ' [ '),  # 4
    (']', ' ] '),  # 5
    ('{', ' { '),  # 6
    ('}', ' } '),  # 7
    (':', ' : '),  # 8
    ('\u2014', ' \u2014 '),  # 9: em dash
    ('\u2013', ' \u2013 '),  # 10: en dash
    ('--', ' -- '),  # 11
)

# CR LF first, then the CR that is left (including the one of CR LF).
LINE_BREAKS = (
    ("\r\n", " \r\n "),
    ("\r", " \r "),
)

CONTRACTIONS = (
    ("n't", ' not'),  # 1
    ("I'm", '私は'),  # 2
    ("We're", '私達は'),  # 3
)

# One pass each: four spaces end as one, five as two.
COLLAPSE = (
    ('   ', ' '),  # 1
    ('  ', ' '),  # 2
)

# Phrases match anywhere, even inside longer text.
PHRASES = (
    ('this is the reason why', 'こんなわけで'),  # 1
    ('came to an end', 'が終わった'),  # 2
    ('fell in love with', 'が恋に落ちた相手は'),  # 3
    ('have a sweet tooth', 'は甘いものが好きだ'),  # 4
    ('has a sweet tooth', 'は甘いものが好きだ'),  # 5
    ('to tell the truth', '本当のことを言えば'),  # 6
    ('was hard on', 'がつらくあたったのは'),  # 7
    ('should not', 'がすべきでないことは'),  # 8
    ('there were', 'そこにあったのは'),  # 9
    ('at first', '最初は'),  # 10
    ('at least', '少なくとも'),  # 11
    ('by halves', '中途半端に'),  # 12
    ('each other', '互いに'),  # 13
    ('good bye', 'さようなら'),  # 14
    ('for instance', '例えば'),  # 15
    ('is subject to', 'が受けやすいのは'),  # 16
    ('more than', '少なくとも'),  # 17
    ('of course', 'もちろん'),  # 18
    ('on fire', '火事で'),  # 19
    ('post office', '郵便局'),  # 20
    ('came from', 'の出身は'),  # 21
    ('come from', 'の出身は'),  # 22
    ('get on', 'が乗るのは'),  # 23
    ('gets on', 'が乗るのは'),  # 24
    ('had to', 'がしなければならなかったのは'),  # 25
    ('reffer to', 'が言及したのは'),  # 26
    ('went to', 'が行った所は'),  # 27
    ('went out', 'が消えた'),  # 28
    ('want to', 'がしたい事'),  # 29
    ('wants to', 'がしたい事'),  # 30
)

# Rule 34 gives every word ending in s a space of its own on each side of
# the plural marker.
JOINERS = (
    ('、 for', '、というのも'),  # 31
    ('-looking ', ' ように見える '),  # 32
    ("'s ", ' の '),  # 33
    ('s ', 's ％１０００ '),  # 34
)

# Runs after noun.txt and adjective.txt.
WORDS = (
    ('especially', '特に'),  # 1
    ('everywhere', 'どこでも'),  # 2
    ('contained', 'が含んでいたのは'),  # 3
    ('actually', '実際に'),  # 4
    ('recently', '最近'),  # 5
    ('suddenly', '突然'),  # 6
    ('adopted', 'が採用したのは'),  # 7
    ('central', '中央の'),  # 8
    ('however', 'しかし'),  # 9
    ('studded', 'はちりばめられている'),  # 10
    ('called', 'が呼ぶのは'),  # 11
    ('melted', '溶けた'),  # 12
    ('please', 'お願いですが、'),  # 13
    ('every', '毎'),  # 14
    ('heard', 'が聞いたのは'),  # 15
    ('hello', 'こんにちは'),  # 16
    ('learn', 'が習っているのは'),  # 17
    (' sleep ', ' は寝る '),  # 18
    ('speak', 'が話すのは'),  # 19
    ('their', '彼らの'),  # 20
    ('there', 'そこに'),  # 21
    ('these', 'これら'),  # 22
    ('think', 'が考えるのは'),  # 23
    ('today', '今日は'),  # 24
    ('where', 'どこで'),  # 25
    (' best ', ' 一番の'),  # 26
    (' draw ', ' が描いているのは '),  # 27
    (' hate ', ' が嫌いなのは '),  # 28
    (' have ', ' が持っているのは '),  # 29
    (' help ', ' が助けたのは '),  # 30
    (' know ', ' が知っているのは '),  # 31
    (' like ', ' が好きなのは '),  # 32
    (' lived ', ' が住んでいたのは '),  # 33
    (' mean ', ' が意味するのは '),  # 34
    (' most ', ' 一番 '),  # 35
    (' much ', ' とても '),  # 36
    (' need ', ' が必要なのは '),  # 37
    (' once ', ' 一度 '),  # 38
    (' said ', ' が言ったのは '),  # 39
    (' show ', ' が示すのは '),  # 40
    (' some', ' いくつかの'),  # 41
    (' that ', ' その '),  # 42
    (' they ', ' それら '),  # 43
    (' then ', ' そして '),  # 44
    (' this ', ' これ '),  # 45
    (' tell ', ' が話すのは '),  # 46
    (' told ', ' が話したのは '),  # 47
    (' tons ', 'トン'),  # 48
    ('your', 'あなたの'),  # 49
    ('very', 'とても'),  # 50
    ('want', 'が欲しいのは'),  # 51
    (' add ', ' が追加したのは '),  # 52
    (' and ', ' そして '),  # 53
    (' any ', ' どんな '),  # 54
    (' ate ', ' が食べたのは '),  # 55
    (' but ', ' しかし '),  # 56
    (' die ', ' が死ぬ '),  # 57
    (' eat ', ' が食べるのは '),  # 58
    (' had ', ' が持っていたのは '),  # 59
    (' her ', ' 彼女 '),  # 60
    (' his ', ' 彼の '),  # 61
    (' how ', ' どのくらい '),  # 62
    (' now ', ' 今 '),  # 63
    (' our ', ' 私たちの '),  # 64
    (' saw ', ' が見たのは '),  # 65
    (' say ', ' が言うのは '),  # 66
    (' see ', ' が見るのは '),  # 67
    (' the ', ' その '),  # 68
    (' you ', ' あなた '),  # 69
    (' who ', ' 誰 '),  # 70
    (' why ', ' なぜ '),  # 71
    (' won ', ' は勝った '),  # 72
    (' an ', ' 一つの '),  # 73
    (' do ', ' する '),  # 74
    (' go ', ' が行く '),  # 75
    (' he ', ' 彼 '),  # 76
    (' if ', ' もし '),  # 77
    (' in ', ' それがあるのは '),  # 78
    (' it ', ' それ '),  # 79
    (' me ', ' 私 '),  # 80
    (' my ', ' 私の '),  # 81
    (' of ', ' の '),  # 82
    (' or ', ' あるいは '),  # 83
    (' to ', ' その対象は '),  # 84
    (' a ', ' 一つの '),  # 85
    (' is ', ' '),  # 86
    (' are ', ' '),  # 87
    (' am ', ' '),  # 88
    (' was ', ' '),  # 89
    (' were ', ' '),  # 90
    (' do ', ' '),  # 91
    (' did ', ' '),  # 92
)

# Longest pattern of each family first; runs before rome.txt.
SPELLING = (
    ('ther', 'ザー'),  # 1
    ('ber', 'バー'),  # 2
    ('der', 'ダー'),  # 3
    ('her', 'ハー'),  # 4
    ('mer', 'マー'),  # 5
    ('per', 'パー'),  # 6
    ('ter', 'ター'),  # 7
    ('ver', 'バー'),  # 8
    ('wer', 'ワー'),  # 9
    ('yr', 'ヤー'),  # 10
    ('er', 'アー'),  # 11
    ('car', 'カー'),  # 12
    ('har', 'ハー'),  # 13
    ('lar', 'ラー'),  # 14
    ('mar', 'マー'),  # 15
    ('par', 'パー'),  # 16
    ('war', 'ワー'),  # 17
    ('ar', 'アー'),  # 18
    ('for', 'フォー'),  # 19
    ('mor', 'モー'),  # 20
    ('tor', 'ター'),  # 21
    ('wor', 'ワー'),  # 22
    ('or', 'アー'),  # 23
    ('bir', 'バー'),  # 24
    ('cy', 'シー'),  # 25
    ('dy', 'ディ'),  # 26
    ('lly', 'リー'),  # 27
    ('ly', 'リー'),  # 28
    ('nny', 'ニー'),  # 29
    ('py', 'ピー'),  # 30
    ('rry', 'リー'),  # 31
    ('ry', 'リー'),  # 32
    ('thy', 'シー'),  # 33
    ('tty', 'ティ'),  # 34
    ('ty', 'ティ'),  # 35
    ('lley', 'リー'),  # 36
    ('ous', 'アス'),  # 37
    ('roy', 'ロイ'),  # 38
    ('se ', 'ス '),  # 39
    ('tude ', 'チュード '),  # 40
    ('bing ', 'ビング '),  # 41
    ('king ', 'キング '),  # 42
    ('ling ', 'リング '),  # 43
    ('ming ', 'ミング '),  # 44
    ('ning ', 'ニング '),  # 45
    ('ping ', 'ピング '),  # 46
    ('wing ', 'ウィング '),  # 47
    ('ing ', 'イング '),  # 48
    ('ng', 'ン'),  # 49
    ('tion', 'ション'),  # 50
    ('sion', 'ション'),  # 51
    ('sho', 'ショ'),  # 52
    ('lle', 'レ'),  # 53
    ('ed ', 'ド '),  # 54
    ('nigh', 'ナイ'),  # 55
    ('gh', ''),  # 56
    ('chi', 'チ'),  # 57
    ('ch', 'チ'),  # 58
    ('phe', 'フェ'),  # 59
    ('ck', 'ク'),  # 60
    ('lex', 'レクス'),  # 61
    ('ex', 'エクス'),  # 62
    ('xi', 'クシ'),  # 63
    ('whi', 'ウィ'),  # 64
    ('whe', 'ホェ'),  # 65
    ('ye', 'イェ'),  # 66
    ('wi', 'ウィ'),  # 67
    ('vi', 'ヴィ'),  # 68
    ('we', 'ウェ'),  # 69
    ('ve', 'ヴェ'),  # 70
    ('wo', 'ウォ'),  # 71
    ('ka', 'カ'),  # 72
    ('ga', 'ガ'),  # 73
    ('ki', 'キ'),  # 74
    ('ca', 'キャ'),  # 75
    ('cu', 'キュ'),  # 76
    ('qu', 'ク'),  # 77
    ('ke', 'ケ'),  # 78
    ('ge', 'ゲ'),  # 79
    ('co', 'コ'),  # 80
    ('go', 'ゴ'),  # 81
    ('sa', 'サ'),  # 82
    ('za', 'ザ'),  # 83
    ('si', 'シ'),  # 84
    ('ci', 'シ'),  # 85
    ('ji', 'ジ'),  # 86
    ('zi', 'ジ'),  # 87
    ('gi', 'ジ'),  # 88
    ('ju', 'ジュ'),  # 89
    ('je', 'ジェ'),  # 90
    ('jo', 'ジョ'),  # 91
)

# Rule 1 takes a still-Latin s with its marker; rule 2 every other marker.
MARKERS = (
    ('s ％１０００', ''),  # 1
    ('％１０００', ''),  # 2
)

# Only these 21 codes come back as letters; any other code is left alone.
DECODE = (
    ('％０００１', 'A'),  # 1
    ('％０００２', 'B'),  # 2
    ('％０００３', 'C'),  # 3
    ('％０００７', 'G'),  # 4
    ('％０００８', 'H'),  # 5
    ('％０００９', 'I'),  # 6
    ('％００１２', 'L'),  # 7
    ('％００１３', 'M'),  # 8
    ('％００１６', 'P'),  # 9
    ('％００１９', 'S'),  # 10
    ('％００２０', 'T'),  # 11
    ('％００２１', 'U'),  # 12
    ('％００２２', 'V'),  # 13
    ('％００２４', 'X'),  # 14
    ('％００３３', 'c'),  # 15
    ('％００３５', 'e'),  # 16
    ('％００３９', 'i'),  # 17
    ('％００４６', 'p'),  # 18
    ('％００５０', 't'),  # 19
    ('％００５１', 'u'),  # 20
    ('％００５２', 'v'),  # 21
)

SUBSTRING, NOUN, WORD = 0, 1, 2

_LINE_END = re.compile(rb"\r\n|\r|\n")


def _line_of(data, offset):
    """1-based line number of a byte offset, with the reader's line ends."""
    return len(_LINE_END.findall(data[:offset])) + 1


def read_dictionary(path, name):
    """Yield (line number, key, value) lazily, so that an error on a later
    line only surfaces after the earlier lines have been applied."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        raise ReferenceError("missing", name, 0) from None
    # Whole-file checks come before any line is applied.
    if data.startswith((b"\xff\xfe", b"\xfe\xff")):
        raise ReferenceError("looks-like-utf16", name, 1)
    if data.startswith(b"\xef\xbb\xbf"):
        raise ReferenceError("looks-like-utf8", name, 1)
    try:
        data.decode("utf-8")
    except UnicodeDecodeError:
        pass
    else:
        for number, raw in enumerate(_split_lines(data), 1):
            if _utf8_sign_in_line(raw):
                raise ReferenceError("looks-like-utf8", name, number)
    return _lines(data, name)


def _utf8_sign_in_line(raw):
    """Whether a line of a file that is valid UTF-8 throughout shows the file
    was saved as UTF-8. Halfwidth katakana pair up as valid UTF-8 of Latin-1
    letters (C3 BD is both ﾃｽ and ý): a line CP932 reads, whose UTF-8 reading
    holds no Japanese, shows nothing."""
    if all(b < 0x80 for b in raw):
        return False
    text = raw.decode("utf-8")
    if any(_is_kana_or_symbol(ch) or _is_kanji(ch) for ch in text):
        return True
    try:
        as_cp932 = raw.decode("cp932")
    except UnicodeDecodeError:
        return True
    return any(_cp932_undefined(ch) for ch in as_cp932)


def _cp932_undefined(ch):
    # Python maps the five bytes CP932 leaves undefined (0x80, 0xA0,
    # 0xFD-0xFF) to U+0080 and private-use characters; they are not text,
    # and the project refuses them like any other invalid byte.
    return ch == "\x80" or "\uf8f0" <= ch <= "\uf8f3"


def _is_kanji(ch):
    return "\u3400" <= ch <= "\u4dbf" or "\u4e00" <= ch <= "\u9fff" or "\uf900" <= ch <= "\ufaff"


def _is_kana_or_symbol(ch):
    return "\u3000" <= ch <= "\u30ff" or "\u31f0" <= ch <= "\u31ff" or "\uff00" <= ch <= "\uffef"


def _looks_like_utf8_line(raw):
    """A line saved as UTF-8 among CP932 lines. Kana or CJK punctuation in
    valid UTF-8 settle it; kanji alone only when they stand clear of Latin
    letters and other scripts, or when CP932 cannot read the line cleanly
    (it fails, or finds halfwidth katakana among the kanji)."""
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        return False
    if any(_is_kana_or_symbol(ch) for ch in text):
        return True
    if not any(_is_kanji(ch) for ch in text):
        return False
    other = any(ord(ch) >= 0x80 and not _is_kanji(ch) for ch in text)
    glued = any((_is_kanji(a) and "\x40" <= b <= "\x7e") or (_is_kanji(b) and "\x40" <= a <= "\x7e")
                for a, b in zip(text, text[1:]))
    if not other and not glued:
        return True
    try:
        as_cp932 = raw.decode("cp932")
    except UnicodeDecodeError:
        return True
    return any("\uff61" <= ch <= "\uff9f" for ch in as_cp932)


def _split_lines(data):
    # CR and LF never occur as CP932 trail bytes, so splitting bytes is safe.
    raw_lines = _LINE_END.split(data)
    if raw_lines[-1] == b"":  # a line end right before EOF opens no new line
        raw_lines.pop()
    return raw_lines


def _lines(data, name):
    for number, raw in enumerate(_split_lines(data), 1):
        if b"\0" in raw:
            raise ReferenceError("nul-byte", name, number)
        if _looks_like_utf8_line(raw):
            raise ReferenceError("looks-like-utf8", name, number)
        try:
            line = raw.decode("cp932")
        except UnicodeDecodeError:
            raise ReferenceError("invalid-bytes", name, number) from None
        if any(_cp932_undefined(ch) for ch in line):
            raise ReferenceError("invalid-bytes", name, number)
        if len(line) < 15:
            raise ReferenceError("short-line", name, number)
        yield number, line[:15].rstrip(" "), line[15:]


class _Work:
    """WorkText plus its UTF-8 size, kept up to date for the growth guard."""

    def __init__(self, text, limit=None):
        self.limit = growth_limit(text) if limit is None else limit
        self.text = " " + text + " "
        self.size = len(self.text.encode("utf-8"))
        # A built-in rule that takes the text past the limit is blamed on
        # the dictionary line applied last, which made the text that large.
        self.last = (None, 0)

    def replace(self, find, repl, file=None, line=0):
        if file is not None:
            self.last = (file, line)
        if not find:
            return
        old, self.text = self.text, self.text.replace(find, repl)
        growth = len(repl.encode("utf-8")) - len(find.encode("utf-8"))
        if growth:
            # One pass only: the count follows from the change in length,
            # except when both strings have the same number of characters.
            if len(repl) != len(find):
                count = (len(self.text) - len(old)) // (len(repl) - len(find))
            else:
                count = old.count(find)  # same non-overlapping scan as replace
            self.size += count * growth
            if self.size > self.limit:
                raise ReferenceError("runaway-growth", *(self.last if file is None else (file, line)))

    def table(self, rules):
        for find, repl in rules:
            self.replace(find, repl)

    def lowercase(self):
        self.text = self.text.lower()
        self.size = len(self.text.encode("utf-8"))
        if self.size > self.limit:
            raise ReferenceError("runaway-growth", *self.last)

    def dictionary(self, data_dir, name, mode):
        for number, key, value in read_dictionary(os.path.join(data_dir, name), name):
            if mode == SUBSTRING:
                self.replace(key, value, name, number)
            else:
                self.replace(" " + key + " ", " " + value + " ", name, number)
                if mode == NOUN:
                    self.replace(" " + key + "s ", " " + value + " ", name, number)


def translate(text, data_dir, limit=None):
    """Render English text; raises ReferenceError on a dictionary failure.
    A smaller limit lets the random tests skip cases that would grow huge."""
    w = _Work(text, limit)
    w.table(ENCODE)
    w.table(NAMES)
    w.table(PUNCT)
    w.table(CURLY)
    w.table(QUOTES)
    w.table(LINE_BREAKS)
    w.table(CONTRACTIONS)
    w.table(COLLAPSE)
    w.lowercase()
    w.table(PHRASES)
    w.table(JOINERS)
    w.dictionary(data_dir, "noun.txt", NOUN)
    w.dictionary(data_dir, "adjective.txt", WORD)
    w.table(WORDS)
    w.table(SPELLING)
    w.dictionary(data_dir, "rome.txt", SUBSTRING)
    w.table(MARKERS)
    w.table(DECODE)
    w.replace(" ", "")
    return w.text


def filter_bytes(data, data_dir, crlf=False, limit=None):
    """What the command-line filter does with its input bytes: returns
    (exit status, output bytes, error or None)."""
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        return 1, b"", ReferenceError("invalid-input", None, 0)
    # The rules only put spaces around CR LF and lone CR, so LF becomes CR LF.
    text = re.sub(r"\r?\n", "\r\n", text)
    try:
        out = translate(text, data_dir, limit)
    except ReferenceError as e:
        return 1, b"", e
    if not crlf:
        out = out.replace("\r\n", "\n")
    return 0, out.encode("utf-8"), None


def main(argv):
    args, data_dir, crlf = [], os.path.join(os.path.dirname(os.path.abspath(__file__)), "data"), False
    it = iter(argv)
    for a in it:
        if a == "--data-dir":
            data_dir = next(it, None)
            if data_dir is None:
                print("usage: mikawase_reference.py [--data-dir DIR] [--crlf] [FILE]", file=sys.stderr)
                return 2
        elif a == "--crlf":
            crlf = True
        else:
            args.append(a)
    if len(args) > 1:
        print("usage: mikawase_reference.py [--data-dir DIR] [--crlf] [FILE]", file=sys.stderr)
        return 2
    if not args or args[0] == "-":
        data = sys.stdin.buffer.read()
    else:
        with open(args[0], "rb") as f:
            data = f.read()
    status, out, err = filter_bytes(data, data_dir, crlf)
    if err:
        where = os.path.join(data_dir, err.file or "") + (f":{err.line}" if err.line else "")
        print(f"{where}: {err.kind}", file=sys.stderr)
    sys.stdout.buffer.write(out)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
