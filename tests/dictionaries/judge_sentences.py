#!/usr/bin/env python3
"""Judge held-out sentence sets through the real filter.

Each set (heldout/sentences/NAME.tsv) holds English sentences with the
answers their rendering must hold, written before the filter was run on
them. This runs each set through mikawase-cli in one process (one sentence
a line: no rule reaches across a line break) and prints, per set, how many
rows it judged and the share that passed, with the count of readings that
turn the sense around (a negative or a modal followed by a concessive が).
Only those aggregate figures are printed, so that whoever tunes the
dictionaries can measure without reading the sentences; --show adds each
failing row with its rendering and what failed.

An answer column is one or more patterns apart by " / ", any of which may
match. A pattern is pieces apart by single spaces that must follow each
other directly in the rendering; a piece lists alternatives apart by "|";
"@NAME" in a piece stands for the alternatives of MACROS["NAME"]; the piece
"~" is any text between. An answer that starts with "!" must not match.

Beyond the answers, some sets have checks of their own (SET_CHECKS): a
negation must not read "not ..., but"; a modal must not read as a
concession; in the quotes set no Latin letter may be left, and each
sentence must read as it does with its marks spaced apart by hand (the way
a word beside a mark is looked up like any other).

Usage: judge_sentences.py [--cli PATH] [--data-dir DIR] [--show]
       [--require SET=PERCENT ...] SET...
SET is a set's name (negation, modals, passives, senses, quotes, idioms)
or the path of a TSV file. Exit status 0, or 1 when a share falls below
its --require floor.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
SETS_DIR = os.path.join(HERE, "heldout", "sentences")

# The Japanese the answers name by "@NAME". Each list is what a reader
# accepts right after the form of the verb that the answer gives.
MACROS = {
    # Negative endings, after a verb's negative stem (行か), a potential
    # (行け), an adjective's く, or a noun or na-adjective (好き ではない).
    "NEG": ("ない", "なかっ", "なく", "ません", "ず", "ぬ",
            "ではない", "ではなかっ", "ではなく", "ではありません",
            "じゃない", "じゃなかっ", "じゃなく",
            "でない", "でなかっ", "でなく", "でもない"),
    # Words that say a thing is not there.
    "ABSENT": ("ない", "無い", "なし", "無し", "なかっ", "無かっ", "なく",
               "無く", "なけれ", "無けれ", "ありません", "いない", "居ない",
               "いません", "いなかっ", "居なかっ", "抜き", "ぬき"),
    # will, would: after the plain form (行くだろう).
    "WILL": ("だろう", "でしょう", "であろう", "つもり", "予定", "はず",
             "筈", "ことになる", "事になる"),
    # may, might, could: after the plain form (行くかもしれない).
    "MAYBE": ("かも", "可能性", "恐れ", "おそれ"),
    # can, could: after the potential stem (行け, 食べられ, 運転でき).
    "POT": ("る", "た", "ま"),
    # must: after the negative stem (行か なければ).
    "MUST": ("なければ", "なけりゃ", "なくては", "なくちゃ", "ねば", "ないと"),
    # should, and must as duty: after the plain or past form.
    "SHOULD": ("べき", "方がいい", "ほうがいい", "方が良い", "ほうが良い",
               "方がよい", "ほうがよい", "必要があ", "必要がある"),
    # may, can as leave: after the te-form without て (帰っ てもいい).
    "PERMIT": ("てもいい", "てもよい", "ても良い", "ても構わ", "てもかまわ",
               "でもいい", "でもよい", "でも良い", "でも構わ", "でもかまわ"),
    # The passive: after the stem that takes れ (書か, 食べら, 逮捕さ).
    "PASS": ("れる", "れた", "れて", "れま", "れな", "れず"),
}

# A negative or a modal right before が reads as "..., but": 私しないが好き
# is "I don't, but I like". The held-out sentences have no "but" of their
# own, so every such が is the rendering's.
NOT_BUT = re.compile("(?:ない|なかった|ません|ませんでした|ず|ぬ|無い|無かった)が")
CONCESSIVE = re.compile(
    "(?:だろう|でしょう|かもしれない|かもしれません|かも知れない|かも知れません"
    "|べき|べきだ|ならない|いけない|できる|できた|出来る|出来た|ない|なかった)が")
LATIN = re.compile("[A-Za-z]")

# Curly marks as the straight ones they stand for, and the marks that a
# word may touch; "--" before anything shorter.
STRAIGHT = str.maketrans({"\u2019": "'", "\u2018": "'",
                          "\u201c": '"', "\u201d": '"'})
SPACED_MARKS = re.compile(r'(--|\u2014|\u2013|["()\[\]{}:])')


class AnswerError(ValueError):
    pass


def compile_pattern(pattern):
    """The regular expression of one pattern (pieces apart by spaces)."""
    parts = []
    for piece in pattern.split(" "):
        if piece == "~":
            parts.append(".*?")
            continue
        alternatives = []
        for alt in piece.split("|"):
            if alt.startswith("@"):
                if alt[1:] not in MACROS:
                    raise AnswerError("unknown @%s in %r" % (alt[1:], pattern))
                alternatives.extend(MACROS[alt[1:]])
            elif alt:
                alternatives.append(alt)
            else:
                raise AnswerError("an empty alternative in %r" % pattern)
        # Longest first, so that a match shows the fullest reading.
        alternatives.sort(key=len, reverse=True)
        parts.append("(?:%s)" % "|".join(map(re.escape, alternatives)))
    return "".join(parts)


class Answer:
    """One answer column: patterns any of which must (or, with "!", must
    not) occur in the rendering."""

    def __init__(self, text):
        self.text = text
        self.forbidden = text.startswith("!")
        body = text[1:] if self.forbidden else text
        if not body:
            raise AnswerError("an empty answer")
        self.regex = re.compile("|".join(
            "(?:%s)" % compile_pattern(p) for p in body.split(" / ")))

    def holds(self, rendering):
        found = self.regex.search(rendering) is not None
        return found != self.forbidden


def read_set(path):
    """(line number, sentence, answers) for each row of a set."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            try:
                answers = [Answer(a) for a in fields[1:]]
            except AnswerError as e:
                raise AnswerError("%s:%d: %s" % (path, number, e)) from None
            if not answers:
                raise AnswerError("%s:%d: a sentence without answers; add "
                                  "one after a tab" % (path, number))
            rows.append((number, fields[0], answers))
    return rows


def spaced(sentence):
    """The sentence as it reads with its marks standing apart: curly marks
    straight, and quotes, brackets, colons and dashes spaced off."""
    return SPACED_MARKS.sub(r" \1 ", sentence.translate(STRAIGHT))


def same_reading(rendering, spaced_rendering):
    return rendering.translate(STRAIGHT) == spaced_rendering.translate(STRAIGHT)


# The checks of each set beyond its answers: (label, test of the sentence's
# rendering and that of its spaced form, true when the reading is wrong).
SET_CHECKS = {
    "negation": [('"not ..., but" readings',
                  lambda out, _: NOT_BUT.search(out) is not None)],
    "modals": [("concessive readings",
                lambda out, _: CONCESSIVE.search(out) is not None)],
    "quotes": [("rows with Latin letters",
                lambda out, _: LATIN.search(out) is not None),
               ("rows reading otherwise than with the marks apart",
                lambda out, spaced_out: not same_reading(out, spaced_out))],
}


def judge_row(answers, checks, rendering, spaced_rendering=None):
    """The reasons a row fails (none when it passes)."""
    reasons = ["%s %s" % ("has" if a.forbidden else "lacks",
                          a.text.lstrip("!"))
               for a in answers if not a.holds(rendering)]
    reasons += [label for label, wrong in checks
                if wrong(rendering, spaced_rendering)]
    return reasons


def render(cli, data_dir, sentences):
    """The filter's rendering of each sentence, all in one process: one
    sentence a line, and no rule reaches across a line break."""
    env = dict(os.environ)
    env.setdefault("MIKAWASE_CACHE_DIR",
                   os.path.join(tempfile.gettempdir(), "mikawase-checks"))
    text = "".join(s + "\r\n" for s in sentences)
    out = subprocess.run([cli, "--data-dir", data_dir, "--no-personal"],
                         input=text.encode("utf-8"), capture_output=True,
                         check=True, env=env).stdout.decode("utf-8")
    lines = out.split("\n")
    if len(lines) != len(sentences) + 1 or lines[-1]:
        raise RuntimeError("the filter gave %d lines for %d sentences"
                           % (len(lines) - 1, len(sentences)))
    return [ln.rstrip("\r") for ln in lines[:-1]]


def set_path(name):
    if os.path.exists(name):
        return name
    return os.path.join(SETS_DIR, name + ".tsv")


def set_name(path):
    return os.path.splitext(os.path.basename(path))[0]


def judge_set(cli, data_dir, path, show):
    """Prints the set's figures (and, with show, its failing rows); returns
    the share that passed."""
    name = set_name(path)
    rows = read_set(path)
    checks = SET_CHECKS.get(name, [])
    sentences = [s for _, s, _ in rows]
    renderings = render(cli, data_dir, sentences)
    spaced_renderings = (render(cli, data_dir, [spaced(s) for s in sentences])
                         if name == "quotes" else [None] * len(rows))
    failures = []
    counts = {label: 0 for label, _ in checks}
    for (number, sentence, answers), out, spaced_out in zip(
            rows, renderings, spaced_renderings):
        for label, wrong in checks:
            counts[label] += wrong(out, spaced_out)
        reasons = judge_row(answers, checks, out, spaced_out)
        if reasons:
            failures.append((number, sentence, out, spaced_out, reasons))
    share = 1 - len(failures) / len(rows)
    extra = "".join("; %s: %d" % (label, n) for label, n in counts.items())
    print("%s: %d rows judged, %d passed (%.1f%%)%s"
          % (name, len(rows), len(rows) - len(failures), 100 * share, extra))
    if show:
        for number, sentence, out, spaced_out, reasons in failures:
            print("  %d: %s\n      %s" % (number, sentence, out))
            if spaced_out is not None and not same_reading(out, spaced_out):
                print("      apart: %s" % spaced_out)
            print("      %s" % "; ".join(reasons))
    return share


def default_cli():
    for preset in ("ci", "dev"):
        path = os.path.join(ROOT, "build", preset, "bin", "mikawase-cli")
        if os.path.exists(path):
            return path
    return os.path.join(ROOT, "build", "ci", "bin", "mikawase-cli")


def floor(text):
    name, _, percent = text.partition("=")
    try:
        return name, float(percent) / 100
    except ValueError:
        raise argparse.ArgumentTypeError(
            "%r is not SET=PERCENT, such as negation=12.5" % text) from None


def main(argv=None):
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        formatter_class=argparse.RawDescriptionHelpFormatter,
        epilog=__doc__.split("\n\n", 1)[1])
    parser.add_argument("--cli", default=default_cli())
    parser.add_argument("--data-dir", default=os.path.join(ROOT, "data"))
    parser.add_argument("--show", action="store_true",
                        help="print each failing row (not for whoever "
                             "tunes: the rows are held out)")
    parser.add_argument("--require", type=floor, action="append", default=[],
                        metavar="SET=PERCENT",
                        help="fail when the set's share is below PERCENT")
    parser.add_argument("sets", nargs="+", metavar="SET")
    args = parser.parse_args(argv)
    if not os.path.exists(args.cli):
        parser.error("no filter at %s: build it (cmake --preset ci && cmake "
                     "--build --preset ci) or name it with --cli" % args.cli)
    paths = [set_path(s) for s in args.sets]
    for path in paths:
        if not os.path.exists(path):
            parser.error("no sentence set %s; the sets are in %s"
                         % (path, SETS_DIR))
    floors = dict(args.require)
    below = []
    for path in paths:
        share = judge_set(args.cli, args.data_dir, path, args.show)
        name = set_name(path)
        if name in floors and share < floors[name]:
            below.append("%s: %.1f%% passed, below its floor of %.1f%%"
                         % (name, 100 * share, 100 * floors[name]))
    for line in below:
        print(line)
    return 1 if below else 0


if __name__ == "__main__":
    sys.exit(main())
