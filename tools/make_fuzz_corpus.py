#!/usr/bin/env python3
"""Generate the fuzzers' seed inputs in fuzz/corpus/.

Every seed is made here, from three sources, so that the seeds follow the
project instead of drifting from it:

- the whole-translation examples of tests/engine/translate_examples_test.cc
  (the tables kExamples and kDictionaryCases, read from the C++ source),
  each with the dictionaries it names;
- the shipped dictionaries in data/, cut down to the fuzzers' bounds: the
  lines of a few common words, and the start and end of rome.txt;
- the hostile inputs listed below: files saved in the wrong encoding, with
  foreign line ends, short and empty lines, NUL and invalid bytes, a value
  that holds its own key, codes and markers typed by the user;
- for the compiled-image target, edits to the start of each array of the
  image the fuzzer compiles, and cuts of it (see
  fuzz/program_image_fuzzer.cc for the layout of an edit).

A translation seed is TEXT 0x1E NOUN 0x1E ADJECTIVE 0x1E ROME (see
fuzz/fuzz_case.h); dictionaries are CP932 bytes with CR LF line ends, as the
tests write them. A dictionary seed is one file's bytes.

The output depends on nothing but the inputs named above, so running the
script twice gives the same files; --check says whether the committed
corpus is what the script makes now (a test runs it).

Usage:
    tools/make_fuzz_corpus.py [--out-dir DIR]
    tools/make_fuzz_corpus.py --check
"""

import argparse
import filecmp
import os
import re
import struct
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLES = os.path.join(ROOT, "tests", "engine", "translate_examples_test.cc")
DATA = os.path.join(ROOT, "data")
CORPUS = os.path.join(ROOT, "fuzz", "corpus")

SEPARATOR = b"\x1e"
DICTIONARY_NAMES = ("noun.txt", "adjective.txt", "rome.txt")
# Both translation targets read the same layout and share the seeds.
TRANSLATION_TARGETS = ("translate_fuzzer", "fast_engine_fuzzer")
DICTIONARY_TARGET = "dictionary_fuzzer"
IMAGE_TARGET = "program_image_fuzzer"


# --- Reading the C++ tables -------------------------------------------------

def _unescape(body):
    """The bytes of a C++ string literal's body (the source is UTF-8)."""
    out = bytearray()
    i = 0
    simple = {"r": 13, "n": 10, "t": 9, "0": 0, "\\": 92, '"': 34, "'": 39}
    while i < len(body):
        c = body[i]
        if c != "\\":
            out += c.encode("utf-8")
            i += 1
            continue
        e = body[i + 1]
        if e == "x":
            m = re.match(r"[0-9A-Fa-f]+", body[i + 2:])
            out.append(int(m.group(0), 16) & 0xFF)
            i += 2 + len(m.group(0))
        elif e in simple:
            out.append(simple[e])
            i += 2
        else:
            raise ValueError("unknown escape \\" + e)
    return bytes(out)


def _tokens(source):
    """Braces, string literals (adjacent ones joined) and identifiers, with
    comments left out."""
    token = re.compile(r'\s+|//[^\n]*|"((?:[^"\\\n]|\\.)*)"|([{}])|([A-Za-z_][\w:]*)|(.)')
    out = []
    for m in token.finditer(source):
        if m.group(1) is not None:
            text = _unescape(m.group(1))
            if out and isinstance(out[-1], bytes):
                out[-1] += text
            else:
                out.append(text)
        elif m.group(2):
            out.append(m.group(2))
        elif m.group(3):
            out.append(("id", m.group(3)))
        elif m.group(4):
            out.append(("punct", m.group(4)))
    return out


def _braced(tokens, at):
    """The nested list that starts at tokens[at] == "{", and where it ends."""
    assert tokens[at] == "{"
    items = []
    at += 1
    while tokens[at] != "}":
        if tokens[at] == "{":
            item, at = _braced(tokens, at)
            items.append(item)
        elif isinstance(tokens[at], bytes):
            items.append(tokens[at])
            at += 1
        elif tokens[at][0] == "id":
            items.append(tokens[at][1])
            at += 1
        else:
            at += 1  # commas
    return items, at + 1


def _table(source, name):
    tokens = _tokens(source)
    for i, t in enumerate(tokens):
        if t == ("id", name) and tokens[i + 1] == ("punct", "[") and tokens[i + 2] == ("punct", "]"):
            at = i + 3
            while tokens[at] != "{":
                at += 1
            return _braced(tokens, at)[0]
    raise ValueError(name + " not found in " + EXAMPLES)


# --- Dictionaries -------------------------------------------------------------

def line(key, value):
    """One dictionary line as the test fixtures write it: the key padded to
    15 characters, the value, CP932, without the line end."""
    return (key.ljust(15) + value).encode("cp932")


def dictionary(entries):
    return b"".join(line(k, v) + b"\r\n" for k, v in entries)


def translation(text, noun=b"", adjective=b"", rome=b"", parts=4):
    if isinstance(text, str):
        text = text.encode("utf-8")
    return SEPARATOR.join([text, noun, adjective, rome][:parts])


CAT_DOG = dictionary([("cat", "猫"), ("dog", "犬")])
BLACK = dictionary([("black", "黒い")])
FIXTURES = {
    "Dictionaries::kEmpty": (b"", b""),
    "Dictionaries::kCatDogBlack": (CAT_DOG, BLACK),
    "Dictionaries::kCatDog": (CAT_DOG, b""),
}


# The fuzzers refuse dictionaries of more than 64 lines or 4096 bytes
# (fuzz/fuzz_case.h), so the shipped ones go in as samples.
SAMPLE_LINES = 64
SAMPLE_BYTES = 4096
SAMPLE_WORDS = {
    "cat", "dog", "black", "pen", "glass", "book", "water", "big", "small", "red", "new",
    "ice cream", "life", "station", "computer", "mother", "night", "flower", "teacher",
}


def shipped_sample(name):
    raw = open(os.path.join(DATA, name), "rb").read()
    lines = [l for l in re.split(rb"\r\n|\r|\n", raw) if l]
    if name == "rome.txt":
        # Its lines feed each other in order; keep whole runs of them.
        chosen = lines[:40] + lines[-20:] if len(lines) > 60 else lines
    else:
        chosen = [l for l in lines if l[:15].decode("cp932", "replace").rstrip(" ") in SAMPLE_WORDS]
    sample = b""
    for l in chosen[:SAMPLE_LINES]:
        if len(sample) + len(l) + 2 > SAMPLE_BYTES:
            break
        sample += l + b"\r\n"
    return sample


def _entries(items):
    return dictionary([(k.decode("utf-8"), v.decode("utf-8")) for k, v in items])


# --- Seeds --------------------------------------------------------------------

# Dictionary files a user can produce with an editor, good or bad.
HOSTILE_DICTIONARIES = {
    "crlf": CAT_DOG,
    "lf-only": CAT_DOG.replace(b"\r\n", b"\n"),
    "cr-only": CAT_DOG.replace(b"\r\n", b"\r"),
    "mixed-line-ends": line("cat", "猫") + b"\n" + line("dog", "犬") + b"\r" + line("pen", "ペン"),
    "no-final-line-end": CAT_DOG[:-2],
    "empty-last-line": CAT_DOG + b"\r\n",
    "only-a-line-end": b"\r\n",
    "short-line": CAT_DOG + b"red\r\n",
    "fifteen-characters": line("pen", "") + b"\r\n",
    "blank-key": line("", "空") + b"\r\n",
    "wide-key": line("猫猫猫猫猫猫猫猫猫猫猫猫猫猫猫", "cat") + b"\r\n",
    "ideographic-space-key": line("cat\u3000", "猫") + b"\r\n",
    "utf8-with-bom": b"\xef\xbb\xbf" + "cat            猫\r\n".encode("utf-8"),
    "utf8-without-bom": "cat            猫\r\ndog            犬\r\n".encode("utf-8"),
    "utf8-line-among-cp932": line("cat", "猫") + b"\r\n"
    + "laptop         パソコン\r\n".encode("utf-8"),
    "cp932-that-is-valid-utf8": line("acetabulum", "髀臼") + b"\r\n" + line("cat", "猫") + b"\r\n",
    "utf16le-with-bom": "\ufeffcat            猫\r\n".encode("utf-16-le"),
    "utf16be-with-bom": "\ufeffcat            猫\r\n".encode("utf-16-be"),
    "utf16le-without-bom": "cat            猫\r\n".encode("utf-16-le"),
    "nul-byte": line("cat", "猫") + b"\r\ndog\x00           x\r\n",
    "invalid-lead-byte": CAT_DOG + b"bird           \xfd\r\n",
    "invalid-trail-byte": line("bird", "") + b"\x81\x20\r\n",
    "truncated-character": line("bird", "") + b"\x81",
    "unassigned-character": line("bird", "") + b"\x85\x40\r\n",
    "windows-only-characters": line("one", "①№纊ⅰ") + b"\r\n" + line("table", "表～＼－ｱ") + b"\r\n",
    "ibm-extension-bytes": b"ext            \xfa\x40\xfc\x4b\xed\x40\r\n",
    "value-holds-its-key": dictionary([("q", "qq")] * 3),
    "value-with-plural-marker": dictionary([("cat", "猫％１０００")]),
    "value-with-letter-code": dictionary([("pc", "％００１６％０００３")]),
    "value-with-spaces": dictionary([("pen", "ペン  ")]),
    "two-word-key": dictionary([("ice cream", "アイス"), ("cream", "クリーム")]),
    "capital-key": dictionary([("Tama", "タマ")]),
}

# Texts a user can type or paste.
HOSTILE_TEXTS = {
    "nul-in-text": "I like you. \x00 I like you.",
    "lone-lf": "I like you\nyou",
    "lone-cr": "a\rb",
    "crlf": "The cat is black.\r\nI like dogs.\r\n",
    "letter-codes-typed": "％０００１％００１０％１０００ CPUs ％０００３",
    "plural-marker-typed": "cats ％１０００ s ％１０００ ％１０００",
    "emoji": "I like 🍣 and 👍🏽.",
    "capitals-and-case": "ÀÉ ΣΑΣ İstanbul ǅ",
    "protected-terms": "ActiveX CGI CPU HTML USB PTA activex",
    "only-spaces": "     ",
    "control-characters": "\t\x01\x1f\x7f cat\x0b\x0c",
}


def translation_seeds():
    seeds = {}
    source = open(EXAMPLES, encoding="utf-8").read()
    for i, (fixture, text, _expected) in enumerate(_table(source, "kExamples")):
        noun, adjective = FIXTURES[fixture]
        seeds["example-%02d" % (i + 1)] = translation(text, noun, adjective)
    for i, (_why, noun, adjective, rome, text, _expected) in enumerate(
            _table(source, "kDictionaryCases")):
        seeds["dictionary-case-%02d" % (i + 1)] = translation(
            text, _entries(noun), _entries(adjective), _entries(rome))

    shipped = [shipped_sample(n) for n in DICTIONARY_NAMES]
    seeds["shipped-dictionaries"] = translation("The cat is black. I like dogs.", *shipped)

    for name, text in HOSTILE_TEXTS.items():
        seeds["text-" + name] = translation(text, CAT_DOG, BLACK)
    for name, bytes_ in HOSTILE_DICTIONARIES.items():
        # Each bad file in each place, so that the error must name the right
        # one.
        for place, file_name in enumerate(DICTIONARY_NAMES):
            parts = [CAT_DOG, BLACK, b""]
            parts[place] = bytes_
            seeds["%s-%s" % (file_name[:-4], name)] = translation(
                "The cat is black. I like cats and q.", *parts)
    for missing in range(3):
        seeds["missing-" + DICTIONARY_NAMES[missing][:-4]] = translation(
            "The cat.", CAT_DOG, BLACK, b"", parts=1 + missing)
    return seeds


def dictionary_seeds():
    seeds = {"dictionary-" + name: bytes_ for name, bytes_ in HOSTILE_DICTIONARIES.items()}
    for name in DICTIONARY_NAMES:
        bytes_ = shipped_sample(name)
        if bytes_:
            seeds["shipped-" + name[:-4]] = bytes_
    return seeds


# An edit of the image target: op, landmark, delta (in 4-byte steps from the
# landmark), value. Landmark 0 is the image's end; 2k + 1 and 2k + 2 are the
# header and the elements of its k-th array.
SET, ADD, SET_BYTE, SET_WIDE, CUT, FLIP = range(6)
IMAGE_ARRAYS = 80  # as many as the fuzzer's image holds
NONE = 0xFFFFFFFF


def edit(op, landmark, delta, value, lane=0):
    return struct.pack("<BBhI", op | lane << 4, landmark, delta, value & 0xFFFFFFFF)


def image_seeds():
    seeds = {"no-edits": b""}
    for k in range(IMAGE_ARRAYS):
        header, elements = 2 * k + 1, 2 * k + 2
        seeds["array-%02d-one-more" % k] = edit(ADD, header, 0, 1)
        seeds["array-%02d-first-is-none" % k] = edit(SET, elements, 0, NONE)
        # The number stored just before the array: a stage's bounds, a
        # count of classes or of loose patterns, a flag.
        seeds["array-%02d-number-before" % k] = edit(SET_WIDE, header, -2, 1)
        if k % 8 == 0:
            seeds["array-%02d-cut-at-header" % k] = edit(CUT, header, 0, 0)
    seeds["cut-last-byte"] = edit(CUT, 0, -1, 0, lane=3)
    seeds["extended-by-zeros"] = edit(CUT, 0, 16, 0)
    return seeds


def write(out_dir):
    for target in TRANSLATION_TARGETS + (DICTIONARY_TARGET, IMAGE_TARGET):
        folder = os.path.join(out_dir, target)
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            os.remove(os.path.join(folder, old))
        if target == IMAGE_TARGET:
            seeds = image_seeds()
        elif target == DICTIONARY_TARGET:
            seeds = dictionary_seeds()
        else:
            seeds = translation_seeds()
        for name, bytes_ in sorted(seeds.items()):
            with open(os.path.join(folder, name), "wb") as f:
                f.write(bytes_)


def check():
    with tempfile.TemporaryDirectory() as fresh:
        write(fresh)
        differ = []
        for target in sorted(os.listdir(fresh)):
            made = os.path.join(fresh, target)
            committed = os.path.join(CORPUS, target)
            names = set(os.listdir(made))
            if os.path.isdir(committed):
                names |= set(os.listdir(committed))
            for name in sorted(names):
                a, b = os.path.join(made, name), os.path.join(committed, name)
                if not (os.path.isfile(a) and os.path.isfile(b) and
                        filecmp.cmp(a, b, shallow=False)):
                    differ.append(os.path.join(target, name))
    if differ:
        print("fuzz/corpus differs from what tools/make_fuzz_corpus.py makes:")
        for name in differ:
            print("  " + name)
        print("run tools/make_fuzz_corpus.py and commit the result")
        return 1
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out-dir", default=CORPUS)
    parser.add_argument("--check", action="store_true",
                        help="compare the committed corpus with a fresh one")
    args = parser.parse_args(argv)
    if args.check:
        return check()
    write(args.out_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
