#!/usr/bin/env python3
"""Checks the reference model against the documented example translations,
the dictionary reader's failure cases and the shape of the rule tables.
Exit status 0 when every check passes, 1 otherwise."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mikawase_reference as ref  # noqa: E402


def entry(key, value=""):
    return key.ljust(15) + value


# Dictionaries named by the examples; lines are joined with CR LF.
PETS = {"noun.txt": [entry("cat", "猫"), entry("dog", "犬")],
        "adjective.txt": [entry("black", "黒い")]}
NOUNS = {"noun.txt": PETS["noun.txt"]}
EMPTY = {}

# (input, expected output, dictionary lines or raw bytes per file)
TRANSLATIONS = [
    ("I like you.", "私が好きなのはあなた。", EMPTY),
    ("Hello, Japan!", "こんにちは、日本！", EMPTY),
    ("This is a pen.", "これ一つのpen。", EMPTY),
    ("I use CPUs.", "私uスCPU。", EMPTY),
    ("", "", EMPTY),
    ("     ", "", EMPTY),
    ("I like you.\r\nI like you.", "私が好きなのはあなた。\r\n私が好きなのはあなた。", EMPTY),
    ("like\r\nyou", "が好きなのは\r\nあなた", EMPTY),
    ("like\nyou", "liケ\nyou", EMPTY),  # LF alone gets no spaces
    ("like\ryou", "が好きなのは\rあなた", EMPTY),
    ("ActiveX and CGI", "ActiveXそしてCGI", EMPTY),
    ("activex", "activエクス", EMPTY),
    ("％０００１", "A", EMPTY),
    ("％００１０", "％００１０", EMPTY),
    ("What", "なにが", EMPTY),
    ("Japanese Japan", "日本人日本", EMPTY),
    ("what", "what", EMPTY),
    ("HI", "h私", EMPTY),
    ("I'm", "私は", EMPTY),
    ("U.S.A.", "アメリカa。", EMPTY),
    ("don't", "するnot", EMPTY),  # "do not", and the wrapping space lets " do " match
    ("don\u2019t", "するnot", EMPTY),  # a curly apostrophe is a straight one
    ('"cat" (dog) [cat] {dog}', '"猫"(犬)[猫]{犬}', NOUNS),  # marks spaced out and kept
    ("cat: dog\u2014cat\u2013dog--cat", "猫:犬\u2014猫\u2013犬--猫", NOUNS),
    ("\u201ccat\u201d \u2018dog\u2019", "\"猫\"'dog'", NOUNS),
    ("The cat is black.", "その猫黒い。", PETS),
    ("The cats sleep.", "その猫は寝る。", PETS),
    ("I like dogs.", "私が好きなのは犬。", PETS),
    ("My dog likes cats.", "私の犬liケ猫。", PETS),
    ("The cats", "そのキャt", EMPTY),
    ("everyone", "毎one", EMPTY),
    ("do do", "する", EMPTY),
    ("tons of", "トンの", EMPTY),
    ("It's a dog's life", "それの一つのdogのlife", EMPTY),
    ("glass", "glas", EMPTY),
    ("some of", "いくつかのの", EMPTY),
    ("this is", "これ", EMPTY),
    ("cat cat", "猫キャt", NOUNS),
    ("cats cats", "猫猫", NOUNS),
    ("cat dog", "猫犬", NOUNS),
    ("mother", "moザー", EMPTY),
    ("computer", "コmpuター", EMPTY),
    ("night", "ナイt", EMPTY),
    ("station", "staション", EMPTY),
    ("quickly", "クiクリー", EMPTY),
    ("flower", "floワー", EMPTY),
    ("teacher", "teacハー", EMPTY),
    ("nothing", "nothイング", EMPTY),
    # Blank key: nothing in Substring mode, two spaces / " s " otherwise.
    ("x     y", "xy", {"rome.txt": [entry("", "空")]}),
    ("x     y", "x空y", {"adjective.txt": [entry("", "空")]}),
    ("a s b", "一つの空b", {"noun.txt": [entry("", "空")]}),
    # A 15-character line deletes the word; without it "ck" would be katakana.
    ("black dog", "blaクdog", EMPTY),
    ("black dog", "dog", {"adjective.txt": [entry("black")]}),
    # A value's trailing space lets marker rule 1 see "s ％１０００".
    ("q％１０００", "s", {"rome.txt": [entry("q", "s")]}),
    ("q％１０００", "", {"rome.txt": [entry("q", "s ")]}),
    # Later lines see earlier results; keys are not lowercased.
    ("cat", "犬", {"noun.txt": [entry("cat", "dog"), entry("dog", "犬")]}),
    ("cat", "猫", {"noun.txt": [entry("cat", "Dog"), entry("dog", "犬"), entry("Dog", "猫")]}),
    ("cats", "キャt", {"adjective.txt": [entry("cat", "猫")]}),  # no plural rule in Word mode
    ("ice cream", "アイス", {"noun.txt": [entry("ice cream", "アイス")]}),
    # A leading space is part of the key; only a run of five spaces leaves two.
    ("x     cat", "x猫", {"noun.txt": [entry(" cat", "猫")]}),
    ("x cat", "xキャt", {"noun.txt": [entry(" cat", "猫")]}),
    # Only U+0020 is trimmed from the key; an ideographic space stays.
    ("cat", "キャt", {"noun.txt": [entry("cat\u3000", "猫")]}),
    # Line ends: CR LF, CR alone and LF alone all end a line.
    ("cat dog", "猫犬", {"noun.txt": (entry("cat", "猫") + "\r" + entry("dog", "犬") + "\r").encode("cp932")}),
    ("cat dog", "猫犬", {"noun.txt": (entry("cat", "猫") + "\n" + entry("dog", "犬")).encode("cp932")}),
    ("cat dog", "猫犬", {"noun.txt": (entry("cat", "猫") + "\r\n" + entry("dog", "犬") + "\n").encode("cp932")}),
    # Column positions count characters, not bytes.
    ("x", "ab", {"rome.txt": [entry("x", "a" + "猫" * 15), "猫" * 15 + "b"]}),
    # Halfwidth katakana whose CP932 bytes are also valid UTF-8 (C3 BD is
    # ý, C3 BD C4 B1 ýı): the files are valid UTF-8 throughout, and still
    # Shift_JIS.
    ("test", "ﾃｽ", {"noun.txt": [entry("test", "ﾃｽ")]}),
    ("test pen", "ﾃｽﾄｱﾃｨ", {"noun.txt": [entry("pen", "ﾃｨ"), entry("test", "ﾃｽﾄｱ")]}),
]

# (dictionaries, input, expected (kind, file, line))
FAILURES = [
    ({"noun.txt": None}, "x", ("missing", "noun.txt", 0)),
    ({"rome.txt": None}, "x", ("missing", "rome.txt", 0)),
    ({"noun.txt": [entry("cat", "猫"), "short"]}, "x", ("short-line", "noun.txt", 2)),
    ({"noun.txt": b"\r\n"}, "x", ("short-line", "noun.txt", 1)),
    ({"noun.txt": ["a" * 14]}, "x", ("short-line", "noun.txt", 1)),
    ({"noun.txt": b"\n"}, "x", ("short-line", "noun.txt", 1)),
    ({"noun.txt": entry("a", "b").encode() + b"\r\n\r\n"}, "x", ("short-line", "noun.txt", 2)),
    ({"adjective.txt": entry("a", "b").encode() + b"\n\r"}, "x", ("short-line", "adjective.txt", 2)),
    ({"adjective.txt": [entry("a"), entry("b", "\x00")]}, "x", ("nul-byte", "adjective.txt", 2)),
    ({"rome.txt": entry("a").encode() + b"\r" + entry("b").encode() + b"\x81 "}, "x",
     ("invalid-bytes", "rome.txt", 2)),
    ({"rome.txt": entry("a").encode() + b"\x81\r\n"}, "x", ("invalid-bytes", "rome.txt", 1)),
    ({"noun.txt": b"\xef\xbb\xbf" + (entry("a") + "\r\n" + entry("b", "猫")).encode("cp932")}, "x",
     ("looks-like-utf8", "noun.txt", 1)),
    ({"noun.txt": (entry("a") + "\n" + entry("b") + "\r\n" + entry("c", "猫")).encode()}, "x",
     ("looks-like-utf8", "noun.txt", 3)),
    ({"noun.txt": b"\xff\xfe" + entry("a").encode("utf-16-le")}, "x", ("looks-like-utf16", "noun.txt", 1)),
    ({"noun.txt": b"\xfe\xff" + entry("a").encode("utf-16-be")}, "x", ("looks-like-utf16", "noun.txt", 1)),
    # Latin letters in UTF-8 that CP932 cannot read (ß is C3 9F), or
    # Japanese after halfwidth look-alikes: the file is UTF-8 there.
    ({"noun.txt": (entry("a") + "\r\n" + entry("b", "straß")).encode()}, "x", ("looks-like-utf8", "noun.txt", 2)),
    ({"noun.txt": (entry("a", "é") + "\r\n" + entry("b", "猫")).encode()}, "x", ("looks-like-utf8", "noun.txt", 2)),
    # Whole-file checks come before any line: the short first line loses.
    ({"noun.txt": ("x\r\n" + entry("c", "猫")).encode()}, "x", ("looks-like-utf8", "noun.txt", 2)),
    # Files run in pipeline order, each line in turn; the first fault wins.
    ({"noun.txt": ["short"], "adjective.txt": None}, "x", ("short-line", "noun.txt", 1)),
    ({"adjective.txt": ["short"], "noun.txt": [entry("a"), "\x00" * 15]}, "x", ("nul-byte", "noun.txt", 2)),
    # A value that keeps feeding its key grows without bound.
    ({"rome.txt": [entry("z", "z" * 200)] * 3 + ["short"] + [entry("z", "z" * 200)] * 3}, "z",
     ("short-line", "rome.txt", 4)),
    ({"rome.txt": [entry("z", "z" * 200)] * 6 + ["short"]}, "z", ("runaway-growth", "rome.txt", 4)),
]


def write_dicts(folder, dicts):
    for name in ("noun.txt", "adjective.txt", "rome.txt"):
        path = os.path.join(folder, name)
        if os.path.exists(path):
            os.remove(path)
        content = dicts.get(name, [])
        if content is None:
            continue
        if isinstance(content, list):
            content = "".join(line + "\r\n" for line in content).encode("cp932")
        with open(path, "wb") as f:
            f.write(content)


def check_tables():
    """Counts per table and the letter codes against their numbering rule."""
    faults = []
    counts = [(ref.ENCODE, 6), (ref.NAMES, 20), (ref.PUNCT, 5), (ref.LINE_BREAKS, 2),
              (ref.CONTRACTIONS, 3), (ref.COLLAPSE, 2), (ref.PHRASES, 30), (ref.JOINERS, 4),
              (ref.WORDS, 92), (ref.MARKERS, 2), (ref.SPELLING, 91), (ref.DECODE, 21)]
    for table, n in counts:
        if len(table) != n:
            faults.append(f"table starting {table[0]!r} has {len(table)} rules, not {n}")
    if sum(n for _, n in counts) != 278:
        faults.append("built-in rules do not add up to 278")

    def code(letter):
        n = ord(letter) - 64 if letter.isupper() else ord(letter) - 96 + 30
        return "％" + "".join(chr(0xFF10 + int(d)) for d in f"{n:04d}")

    for find, repl in ref.ENCODE:
        if repl != "".join(code(c) for c in find):
            faults.append(f"letter codes for {find!r} are wrong")
    for find, repl in ref.DECODE:
        if find != code(repl):
            faults.append(f"decoding of {repl!r} is wrong")
    if sorted(r for _, r in ref.DECODE) != sorted(set("".join(f for f, _ in ref.ENCODE)) | set("Vpu")):
        faults.append("decoded letters are not the acronyms' letters plus V, p, u")
    for table in (ref.PHRASES, ref.JOINERS, ref.WORDS, ref.SPELLING, ref.MARKERS):
        for find, _ in table:
            if find != find.lower():
                faults.append(f"{find!r} can never match lowercased text")
    return faults


def main():
    faults = check_tables()
    with tempfile.TemporaryDirectory() as folder:
        for text, expected, dicts in TRANSLATIONS:
            write_dicts(folder, dicts)
            try:
                got = ref.translate(text, folder)
            except ref.ReferenceError as e:
                got = e.key()
            if got != expected:
                faults.append(f"{text!r} with {dicts!r}: expected {expected!r}, got {got!r}")
            elif " " in got:
                faults.append(f"{text!r}: output holds an ASCII space")
        for dicts, text, expected in FAILURES:
            write_dicts(folder, dicts)
            try:
                got = ref.translate(text, folder)
            except ref.ReferenceError as e:
                got = e.key()
            if got != expected:
                faults.append(f"{dicts!r} on {text!r}: expected {expected!r}, got {got!r}")
        # The filter's own line-break handling.
        write_dicts(folder, EMPTY)
        for data, crlf, expected in [(b"I\nyou\r\nyou\ryou", False, "i\nあなた\nあなた\rあなた"),
                                     (b"you\nyou", True, "あなた\r\nあなた"),
                                     (b"\xff", False, "")]:
            status, out, _ = ref.filter_bytes(data, folder, crlf)
            if out.decode() != expected or status != (1 if data == b"\xff" else 0):
                faults.append(f"filter on {data!r}: got {status} {out!r}")
    for fault in faults:
        print("FAIL:", fault)
    print(f"{len(TRANSLATIONS) + len(FAILURES)} examples and the table checks: {len(faults)} failure(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
