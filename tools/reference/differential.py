#!/usr/bin/env python3
"""Randomised comparison of mikawase-cli with the Python reference model.

Each case is a random input text and three random dictionary files, some of
them deliberately broken.  Both sides must agree byte for byte on the output
and on the exit status; when the reference fails on a dictionary, the CLI
must fail too and name the same file and line.  Disagreements are shrunk to
a small reproduction and printed; the exit status is 1 if there were any.

    differential.py --cli PATH [--cli-arg=ARG]... [--seed N] [--cases N]
                    [--big N] [--no-growth] [--no-shrink]
    differential.py --cli PATH [--cli-arg=ARG]... --cp932-sweep
"""

import argparse
import os
import random
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mikawase_reference as ref  # noqa: E402

FILES = ("noun.txt", "adjective.txt", "rome.txt")

# Cases that would grow past this are regenerated: they only cost time.
CASE_SIZE_CAP = 1 << 20


def _table_words(*tables):
    words = set()
    for table in tables:
        for find, _ in table:
            words.update(w for w in find.split(" ") if w.strip())
    return sorted(words)


ENGLISH = _table_words(ref.NAMES, ref.CONTRACTIONS, ref.PHRASES, ref.JOINERS,
                       ref.WORDS, ref.SPELLING) + ["cat", "dog", "black", "pen", "ice", "cream", "glass"]
PHRASES = [f for f, _ in ref.PHRASES]
ACRONYMS = ["ActiveX", "CGI", "CPU", "HTML", "USB", "PTA"]
PUNCT = list(".,?!;'-") + ['"', "(", ")", "[", "]", "{", "}", ":", "\u2014", "\u2013", "--",
                           "\u2019", "\u2018", "\u201c", "\u201d"]
# Japanese and fullwidth text that maps the same way in every CP932 table.
JAPANESE = ["猫", "犬", "黒い", "日本", "あ", "ア", "ー", "。", "、", "％", "０", "１", "Ａ", "ｂ", "\u3000", "ｶ", "私"]
# Pieces that can join with their neighbours into a pattern of a later rule,
# to catch an engine that only looks for matches inside whole tokens.
MARKER_PIECES = ["％", "１", "０", "％１", "０００", " ％", "s ％", "s ", " s"]


def fragment(rng):
    r = rng.random()
    if r < 0.4:
        return rng.choice(ref.SPELLING)[0].strip() or "s"
    if r < 0.6:
        return rng.choice(MARKER_PIECES)
    word = rng.choice(ENGLISH)
    i = rng.randrange(len(word))
    return word[i:rng.randint(i + 1, len(word))]


SEPARATORS = [" "] * 12 + ["", "  ", "   ", "    ", "     ", "\r", "\n", "\r\n", "\r\n\r\n", " \r\n "]


def letter_code(rng):
    n = rng.choice([rng.randint(0, 60), 1000, rng.randint(0, 9999)])
    return "％" + "".join(chr(0xFF10 + int(d)) for d in f"{n:04d}")


def random_letters(rng, lo=1, hi=6):
    return "".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(lo, hi)))


def vary_case(rng, word):
    r = rng.random()
    if r < 0.15:
        return word[:1].upper() + word[1:]
    if r < 0.2:
        return word.upper()
    return word


def random_token(rng, keys):
    kind = rng.random()
    if kind < 0.35:
        return vary_case(rng, rng.choice(ENGLISH)) + ("s" if rng.random() < 0.15 else "")
    if kind < 0.42:
        return rng.choice(PHRASES)
    if kind < 0.55 and keys:
        return rng.choice(keys).strip() + ("s" if rng.random() < 0.3 else "")
    if kind < 0.62:
        return rng.choice(ACRONYMS) + rng.choice(["", "", "s", "x", "X"])
    if kind < 0.72:
        return rng.choice(PUNCT)
    if kind < 0.78:
        return letter_code(rng)
    if kind < 0.86:
        return rng.choice(JAPANESE)
    return vary_case(rng, random_letters(rng))


def random_input(rng, keys):
    chunks = []
    for _ in range(rng.randint(0, 25)):
        chunks.append(random_token(rng, keys))
        chunks.append(rng.choice(SEPARATORS))
    return chunks


def random_key(rng, keys):
    r = rng.random()
    if r < 0.08:
        return ""
    if r < 0.16:
        return " " * rng.randint(1, 3) + rng.choice(ENGLISH)
    if r < 0.26:
        return rng.choice(ENGLISH) + " " + rng.choice(ENGLISH)
    if r < 0.32:
        return random_letters(rng, 15, 15)
    if r < 0.40 and keys:
        return rng.choice(keys)
    if r < 0.46:
        return rng.choice(JAPANESE + ["s", PLURAL_WITH_S])
    if r < 0.52:
        return vary_case(rng, rng.choice(ENGLISH))
    if r < 0.62:
        return fragment(rng)
    return rng.choice(ENGLISH + ["cat", "dog", "black"] * 4)


PLURAL_WITH_S = "s " + ref.PLURAL_MARKER


def random_value(rng, keys):
    pieces = []
    for _ in range(rng.randint(0, 3)):
        r = rng.random()
        if r < 0.45:
            pieces.append(rng.choice(JAPANESE))
        elif r < 0.6 and keys:
            pieces.append(rng.choice(keys))
        elif r < 0.7:
            pieces.append(rng.choice([ref.PLURAL_MARKER, letter_code(rng), PLURAL_WITH_S]))
        elif r < 0.8:
            pieces.append(" ")
        elif r < 0.9:
            pieces.append(fragment(rng))
        else:
            pieces.append(vary_case(rng, rng.choice(ENGLISH)))
    value = "".join(pieces)
    if rng.random() < 0.15:
        value += " " * rng.randint(1, 3)
    return value


def random_file(rng, keys):
    """A dictionary as a list of byte chunks, one per line with its line end,
    so that shrinking can drop lines without re-encoding."""
    ends = rng.choice([[b"\r\n"]] * 6 + [[b"\n"], [b"\r"], [b"\r\n", b"\n", b"\r"]])
    chunks = []
    for _ in range(rng.choice([0, 1, 2, 3, 4, 5, 6])):
        key = random_key(rng, keys)[:15]
        keys.append(key.rstrip(" ") or "x")
        line = key.ljust(15) + random_value(rng, keys)
        chunks.append(line.encode("cp932") + rng.choice(ends))
    if chunks and rng.random() < 0.2:
        chunks[-1] = chunks[-1].rstrip(b"\r\n")
    return chunks


def break_file(rng, chunks):
    """One deliberate fault; returns None for a missing file."""
    fault = rng.choice(["missing", "short", "short", "invalid", "nul", "utf8", "utf8-line", "bom8",
                        "bom16", "blank-end"])
    at = rng.randint(0, len(chunks))
    if fault == "missing":
        return None
    if fault == "short":
        chunks.insert(at, random_letters(rng, 0, 14).encode() + b"\r\n")
    elif fault == "invalid":
        chunks.insert(at, ("bad" + " " * 12).encode() + rng.choice([b"\x81 ", b"\x81", b"\x82\x7f"]) + b"\r\n")
    elif fault == "nul":
        chunks.insert(at, ("nul" + " " * 12).encode() + b"\x00" + b"\r\n")
    elif fault == "utf8":
        chunks[:] = [c.decode("cp932").encode("utf-8") for c in chunks]
        chunks.insert(at, ("cat" + " " * 12 + "猫").encode("utf-8") + b"\r\n")
    elif fault == "utf8-line":
        # One line appended from a UTF-8 terminal to an otherwise CP932 file.
        chunks.insert(at, rng.choice(["dog            犬", "pc             パソコン", "x              黒い"])
                      .encode("utf-8") + b"\r\n")
    elif fault == "bom8":
        chunks.insert(0, b"\xef\xbb\xbf")
    elif fault == "bom16":
        chunks.insert(0, rng.choice([b"\xff\xfe", b"\xfe\xff"]))
    elif fault == "blank-end":
        chunks.append(b"\r\n\r\n")
    return chunks


def random_case(rng):
    keys = []
    files = {name: random_file(rng, keys) for name in FILES}
    if rng.random() < 0.12:
        name = rng.choice(FILES)
        files[name] = break_file(rng, files[name])
    return {"input": random_input(rng, keys), "files": files, "keys": keys,
            "crlf": rng.random() < 0.2, "stdin": rng.random() < 0.7,
            "no_dir": rng.random() < 0.005, "bad_utf8": rng.random() < 0.005}


def growth_case():
    # Each line doubles the text; the 27th takes " z " past 64 MiB + 32 bytes.
    line = ("z" + " " * 14 + "zz").encode() + b"\r\n"
    return {"input": ["z"], "files": {"noun.txt": [], "adjective.txt": [], "rome.txt": [line] * 30},
            "crlf": False, "stdin": True, "no_dir": False, "bad_utf8": False}


def input_bytes(case):
    data = "".join(case["input"]).encode("utf-8")
    return data + b"\xff" if case["bad_utf8"] else data


def big_case(rng):
    """Over 8 MiB of input, so that a filter which streams long inputs in
    parts is compared with the translation of the whole; now and then as one
    single line, or with lone CRs only."""
    case = random_case(rng)
    while any(f is None for f in case["files"].values()) or case["no_dir"] or case["bad_utf8"]:
        case = random_case(rng)
    pieces = ["".join(random_input(rng, case["keys"])) for _ in range(300)]
    style = rng.choice(["mixed", "mixed", "one line", "lone CR"])
    if style == "one line":
        pieces = [p.replace("\r", " ").replace("\n", " ") for p in pieces]
    elif style == "lone CR":
        pieces = [p.replace("\r\n", "\r").replace("\n", "\r") for p in pieces]
    chunks, size = [], 0
    while size < 8.5 * 1024 * 1024:
        piece = rng.choice(pieces) + rng.choice(SEPARATORS)
        chunks.append(piece)
        size += len(piece.encode("utf-8"))
    case["input"] = chunks
    return case


class Runner:
    def __init__(self, cli, folder, extra_args=()):
        self.cli, self.folder, self.extra_args = cli, folder, list(extra_args)

    def write(self, case):
        data_dir = os.path.join(self.folder, "data")
        os.makedirs(data_dir, exist_ok=True)
        for name, chunks in case["files"].items():
            path = os.path.join(data_dir, name)
            if chunks is None:
                if os.path.exists(path):
                    os.remove(path)
            else:
                with open(path, "wb") as f:
                    f.write(b"".join(chunks))
        return data_dir if not case["no_dir"] else os.path.join(self.folder, "nowhere")

    def reference(self, case, data_dir, limit=None):
        return ref.filter_bytes(input_bytes(case), data_dir, case["crlf"], limit)

    def cli_run(self, case, data_dir):
        data = input_bytes(case)
        args = [self.cli, "--data-dir", data_dir] + self.extra_args + (["--crlf"] if case["crlf"] else [])
        if case["stdin"]:
            # Stdin is read both with no file argument and with "-".
            args += ["-"] if len(case["input"]) % 2 else []
            p = subprocess.run(args, input=data, capture_output=True, timeout=60)
        else:
            path = os.path.join(self.folder, "input.txt")
            with open(path, "wb") as f:
                f.write(data)
            p = subprocess.run(args + [path], capture_output=True, timeout=60)
        return p.returncode, p.stdout, p.stderr

    def disagreement(self, case):
        """None when both sides agree, else a description of both."""
        return self.compare(case)[0]

    def compare(self, case):
        data_dir = self.write(case)
        status, out, err = self.reference(case, data_dir)
        cli_status, cli_out, cli_err = self.cli_run(case, data_dir)
        if err is not None and err.kind == "invalid-input":
            agree = cli_status == 1
        elif err is None:
            agree = (status, out) == (cli_status, cli_out)
        else:
            agree = cli_status == 1 and names_place(cli_err, err)
        if agree:
            return None, err
        mine = err.key() if err else out.decode("utf-8")
        theirs = cli_out.decode("utf-8", "replace")
        if len(out) + len(cli_out) > 4000:  # show where long outputs part
            at = next((i for i, (a, b) in enumerate(zip(out, cli_out)) if a != b), min(len(out), len(cli_out)))
            lo = max(0, at - 200)
            mine = f"{len(out)} bytes, from byte {lo}: {out[lo:at + 200]!r}" if not err else mine
            theirs = f"{len(cli_out)} bytes, from byte {lo}: {cli_out[lo:at + 200]!r}"
        return (f"  reference: status {status}, {mine!r}\n"
                f"  cli:       status {cli_status}, {theirs!r}, "
                f"stderr {cli_err.decode('utf-8', 'replace').strip()!r}"), err


def names_place(stderr, err):
    """The message reads "PATH:LINE: problem", or "PATH: problem" without a
    line, possibly after the program's name; our data paths are absolute."""
    first = stderr.decode("utf-8", "replace").splitlines()[:1]
    m = re.match(r"(?:[^:/]+: )?(/.+?):(?:(\d+):)? ", first[0]) if first else None
    return (m is not None and os.path.basename(m.group(1)) == err.file
            and int(m.group(2) or 0) == err.line)


def shrink(runner, case):
    """Greedily drop input chunks, dictionary lines and flags while the two
    sides still disagree."""
    changed = True
    while changed:
        changed = False
        for name in [None] + list(FILES):
            seq = case["input"] if name is None else case["files"][name]
            if seq is None:
                continue
            i = 0
            while i < len(seq):
                removed = seq.pop(i)
                if runner.disagreement(case):
                    changed = True
                else:
                    seq.insert(i, removed)
                    i += 1
        for flag in ("crlf", "stdin"):
            if case[flag] != (flag == "stdin"):
                case[flag] = not case[flag]
                if runner.disagreement(case):
                    changed = True
                else:
                    case[flag] = not case[flag]
    return case


def describe(case):
    text = "".join(case["input"])
    lines = [f"  input: {text!r}" if len(text) < 4000 else f"  input: {len(text)} characters, {text[:300]!r}..."]
    for name, chunks in case["files"].items():
        lines.append(f"  {name}: " + ("missing" if chunks is None else repr(b"".join(chunks))))
    lines.append(f"  --crlf: {case['crlf']}, stdin: {case['stdin']}, data folder missing: {case['no_dir']}, "
                 f"input ends in a stray 0xFF: {case['bad_utf8']}")
    return "\n".join(lines)


def cp932_sweep(runner):
    """Every CP932 byte and two-byte code, as the value of a rome.txt line
    for "q": valid codes of one lead byte go together in one line, each
    invalid one on its own, so both decoders must agree code by code."""
    def valid(code):
        try:
            code.decode("cp932")
            return True
        except UnicodeDecodeError:
            return False

    def case(codes):
        line = b"q" + b" " * 14 + b"".join(codes) + b"\r\n"
        return {"input": ["q"], "files": {"noun.txt": [], "adjective.txt": [], "rome.txt": [line]},
                "crlf": False, "stdin": True, "no_dir": False, "bad_utf8": False}

    leads = set(range(0x81, 0xA0)) | set(range(0xE0, 0xFD))
    groups = [[bytes([b])] for b in range(0x80, 0x100) if b not in leads]
    for lead in sorted(leads):
        codes = [bytes([lead, t]) for t in range(0x40, 0x100)]
        groups.append([c for c in codes if valid(c)])
        groups += [[c] for c in codes if not valid(c)]
    bad = 0
    for codes in filter(None, groups):
        problem = runner.disagreement(case(codes))
        if problem and len(codes) > 1:  # narrow a valid row down to its codes
            for code in codes:
                bad += report_code(runner.disagreement(case([code])), code)
        else:
            bad += report_code(problem, codes[0])
    print(f"{len(groups)} CP932 groups, {bad} code(s) decoded differently")
    return bad


def report_code(problem, code):
    if problem:
        print(f"MISMATCH CP932 code {code.hex()}\n{problem}", flush=True)
    return bool(problem)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--cli-arg", action="append", default=[], help="extra argument for the CLI, e.g. --engine=literal")
    parser.add_argument("--big", type=int, default=0, help="also run this many cases with inputs over 8 MiB")
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--cases", type=int, default=2000)
    parser.add_argument("--no-growth", action="store_true", help="skip the 64 MiB runaway-growth case")
    parser.add_argument("--no-shrink", action="store_true")
    parser.add_argument("--cp932-sweep", action="store_true",
                        help="instead of random cases, try every CP932 byte and code in a dictionary")
    args = parser.parse_args()
    if args.cp932_sweep:
        with tempfile.TemporaryDirectory(prefix="mikawase-diff-") as folder:
            return 1 if cp932_sweep(Runner(os.path.abspath(args.cli), folder, args.cli_arg)) else 0
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 32)
    print(f"seed {seed}", flush=True)
    rng = random.Random(seed)
    mismatches = errors = 0
    with tempfile.TemporaryDirectory(prefix="mikawase-diff-") as folder:
        runner = Runner(os.path.abspath(args.cli), folder, args.cli_arg)
        cases = [(n, None) for n in range(args.cases)]
        cases += [(f"big {n}", big_case(rng)) for n in range(args.big)]
        if not args.no_growth:
            cases.append(("growth", growth_case()))
        for number, case in cases:
            while case is None:
                case = random_case(rng)
                _, _, err = runner.reference(case, runner.write(case), CASE_SIZE_CAP)
                if err is not None and err.kind == "runaway-growth":
                    case = None
            problem, err = runner.compare(case)
            errors += err is not None
            if problem:
                mismatches += 1
                print(f"MISMATCH seed {seed} case {number}\n{describe(case)}\n{problem}", flush=True)
                if str(number).startswith("big"):
                    keep = tempfile.mkdtemp(prefix=f"mikawase-diff-{seed}-big-")
                    with open(os.path.join(keep, "input.txt"), "wb") as f:
                        f.write(input_bytes(case))
                    runner.folder, folder_was = keep, runner.folder
                    runner.write(case)
                    runner.folder = folder_was
                    print(f"  kept in {keep}", flush=True)
                elif not args.no_shrink:
                    small = shrink(runner, case)
                    print(f"  shrunk to:\n{describe(small)}\n{runner.disagreement(small)}", flush=True)
    print(f"{len(cases)} cases ({errors} with a dictionary error), {mismatches} mismatch(es), seed {seed}")
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
