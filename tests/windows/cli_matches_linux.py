#!/usr/bin/env python3
"""mikawase-cli.exe under wine against the Linux mikawase-cli, byte for byte.

Both filters run on the same inputs from the same folder, with relative
paths, so that their standard output, standard error and exit status must
be identical: on the worked examples (whose output is also checked against
the expected text), on error cases, on random texts with random
dictionaries (the generator of tools/reference/differential.py), and on
100 KB of real English with the shipped dictionaries. The Windows program
also runs from a folder named in Japanese with a space in it, finding its
data folder beside itself.

    cli_matches_linux.py --linux-cli PATH --windows-cli PATH.exe --wine RUNNER
                         --shipped-data DIR [--cases N] [--seed N]
"""

import argparse
import os
import random
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "reference"))
import differential  # noqa: E402

FILES = ("noun.txt", "adjective.txt", "rome.txt")


def line(key, value, end="\r\n"):
    return (key.ljust(15) + value).encode("cp932") + end.encode()


CAT_DOG_BLACK = {"noun.txt": line("cat", "猫") + line("dog", "犬"), "adjective.txt": line("black", "黒い"),
                 "rome.txt": b""}
EMPTY = {name: b"" for name in FILES}
# Halfwidth katakana whose CP932 bytes are valid UTF-8 too (C3 BD is ý):
# every file is valid UTF-8 throughout, and still Shift_JIS.
HALFWIDTH = {"noun.txt": line("test", "ﾃｽ") + line("pen", "ﾃｨﾄｱ"), "adjective.txt": line("red", "ﾏｽ"),
             "rome.txt": b""}

# (dictionaries, input, expected output): the worked examples.
EXAMPLES = [
    (EMPTY, "I like you.", "私が好きなのはあなた。"),
    (EMPTY, "Hello, Japan!", "こんにちは、日本！"),
    (EMPTY, "This is a pen.", "これ一つのpen。"),
    (EMPTY, "I use CPUs.", "私uスCPU。"),
    (EMPTY, "ActiveX and CGI", "ActiveXそしてCGI"),
    (EMPTY, "teacher", "teacハー"),
    (EMPTY, "It's a dog's life", "それの一つのdogのlife"),
    (EMPTY, "I like you.\nHello, Japan!\n", "私が好きなのはあなた。\nこんにちは、日本！\n"),
    (CAT_DOG_BLACK, "The cat is black.", "その猫黒い。"),
    (CAT_DOG_BLACK, "The cats sleep.", "その猫は寝る。"),
    (CAT_DOG_BLACK, "My dog likes cats.", "私の犬liケ猫。"),
    (HALFWIDTH, "test pen red", "ﾃｽﾃｨﾄｱﾏｽ"),
]

# (what, dictionaries or None for no data folder, arguments, input): every
# way the filter fails, and the status and message it fails with.
ERRORS = [
    ("short line", {**EMPTY, "noun.txt": line("cat", "猫") + b"cat\r\n"}, [], b"The cat."),
    ("empty last line", {**EMPTY, "adjective.txt": line("red", "赤") + b"\r\n\r\n"}, [], b"red"),
    ("invalid bytes", {**EMPTY, "rome.txt": b"abc            \xff\r\n"}, [], b"abc"),
    ("refused single byte", {**EMPTY, "rome.txt": b"abc            \xa0\r\n"}, [], b"abc"),
    ("lead byte without trail", {**EMPTY, "rome.txt": b"abc            \x81 \r\n"}, [], b"abc"),
    ("unassigned pair", {**EMPTY, "rome.txt": b"abc            \x85\x40\r\n"}, [], b"abc"),
    ("saved as UTF-8", {**EMPTY, "noun.txt": "cat            猫\r\n".encode()}, [], b"cat"),
    ("Latin letters in UTF-8 that CP932 cannot read", {**EMPTY, "noun.txt": "street         straß\r\n".encode()},
     [], b"cat"),
    ("halfwidth look-alikes, then UTF-8", {**EMPTY, "noun.txt": "cafe           café\r\ncat            猫\r\n".encode()},
     [], b"cat"),
    ("UTF-16 mark", {**EMPTY, "noun.txt": b"\xff\xfec\x00"}, [], b"cat"),
    ("NUL byte", {**EMPTY, "noun.txt": b"nul            \x00\r\n"}, [], b"cat"),
    ("missing file", {"noun.txt": b"", "adjective.txt": b""}, [], b"cat"),
    ("missing folder", None, [], b"cat"),
    ("invalid UTF-8 input", EMPTY, [], b"ok\nbad \xff"),
    ("missing input file", EMPTY, ["nothing.txt"], b""),
    ("unknown option", EMPTY, ["--frobnicate"], b""),
    ("two inputs", EMPTY, ["a", "b"], b""),
    ("unknown engine", EMPTY, ["--engine=quantum"], b""),
    ("--data-dir without folder", EMPTY, ["--data-dir"], b""),
]


def real_english(size=100 * 1024):
    """The first `size` bytes of Debian's licence texts, with CR LF lines."""
    folder = "/usr/share/common-licenses"
    text = b"".join(open(os.path.join(folder, name), "rb").read()
                    for name in ("GPL-3", "GFDL-1.3", "LGPL-2.1", "MPL-2.0", "Apache-2.0"))
    cut = text.decode("utf-8")[:size]
    while len(cut.encode("utf-8")) > size:
        cut = cut[:-1]
    return cut.replace("\n", "\r\n").encode("utf-8")


class Filters:
    def __init__(self, args, folder):
        self.args, self.folder = args, folder
        self.linux_env = dict(os.environ, MIKAWASE_CACHE_DIR=os.path.join(folder, "cache-linux"))
        self.windows_env = dict(os.environ, MIKAWASE_CACHE_DIR="Z:" + os.path.join(folder, "cache-windows"))
        self.runs = 0

    def write_case(self, files):
        case = os.path.join(self.folder, "case")
        shutil.rmtree(case, ignore_errors=True)
        os.makedirs(case)
        if files is not None:
            os.makedirs(os.path.join(case, "data"))
            for name, data in files.items():
                with open(os.path.join(case, "data", name), "wb") as f:
                    f.write(data)
        return case

    def run(self, command, env, cwd, data):
        p = subprocess.run(command, input=data, capture_output=True, cwd=cwd, env=env, timeout=120)
        return p.returncode, p.stdout, p.stderr

    def both(self, arguments, data, cwd, windows_exe=None):
        """(linux, windows) results of the same arguments and input."""
        self.runs += 1
        linux = self.run([self.args.linux_cli] + arguments, self.linux_env, cwd, data)
        exe = windows_exe or self.args.windows_cli
        windows = self.run([self.args.wine, exe] + arguments, self.windows_env, cwd, data)
        return linux, windows


def on_a_terminal(command, cwd, env):
    """What `command` shows on a terminal: wine gives the program a console
    there, so the filter writes through the console's wide calls; the
    console's own escape sequences and CRs are taken out."""
    p = subprocess.run(["script", "-qec", shlex.join(command), "/dev/null"], cwd=cwd, env=env,
                       capture_output=True, stdin=subprocess.DEVNULL, timeout=120)
    shown = re.sub(rb"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07", b"", p.stdout).replace(b"\r", b"")
    return p.returncode, shown.decode("utf-8", "replace")


def describe(result):
    status, out, err = result
    return f"status {status}, out {out[:300]!r}, err {err[:300]!r}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--linux-cli", required=True)
    parser.add_argument("--windows-cli", required=True)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--shipped-data", required=True)
    parser.add_argument("--cases", type=int, default=200)
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    for name in ("linux_cli", "windows_cli", "wine", "shipped_data"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    failures = []

    def check(what, linux, windows, expected_out=None):
        if linux != windows:
            failures.append(f"{what}:\n  linux:   {describe(linux)}\n  windows: {describe(windows)}")
        elif expected_out is not None and linux[1] != expected_out:
            failures.append(f"{what}: both give {describe(linux)}, expected {expected_out!r}")

    with tempfile.TemporaryDirectory(prefix="mikawase-windows-cli-") as folder:
        filters = Filters(args, folder)
        for files, text, expected in EXAMPLES:
            case = filters.write_case(files)
            linux, windows = filters.both(["--data-dir", "data/"], text.encode(), case)
            check(f"example {text!r}", linux, windows, expected.encode())

        for what, files, arguments, data in ERRORS:
            case = filters.write_case(files)
            data_dir = [] if "--data-dir" in arguments else ["--data-dir", "data/"]
            linux, windows = filters.both(data_dir + arguments, data, case)
            check(what, linux, windows)
            if linux[0] == 0 or not linux[2]:
                failures.append(f"{what}: did not fail: {describe(linux)}")

        # Unpacked into a folder named in Japanese, with a space, and run
        # without --data-dir: data\ beside the program.
        english = real_english()
        home = os.path.join(folder, "山田 太郎", "ミカワセ 0.0.4")
        shutil.copytree(args.shipped_data, os.path.join(home, "data"))
        exe = os.path.join(home, "mikawase-cli.exe")
        shutil.copy(args.windows_cli, exe)
        with open(os.path.join(home, "英文 100k.txt"), "wb") as f:
            f.write(english)
        linux = filters.run([args.linux_cli, "--data-dir", args.shipped_data, "英文 100k.txt"],
                            filters.linux_env, home, b"")
        windows = filters.run([args.wine, exe, "英文 100k.txt"], filters.windows_env, home, b"")
        check("100 KB of English, shipped dictionaries, from a Japanese folder", linux, windows)
        if linux[0] != 0 or len(linux[1]) < 50_000:
            failures.append(f"100 KB of English did not translate: {describe(linux)}")
        for crlf in ([], ["--crlf"]):
            linux = filters.run([args.linux_cli, "--data-dir", args.shipped_data] + crlf, filters.linux_env,
                                home, "I like you.\nHello, Japan!\n".encode())
            windows = filters.run([args.wine, exe] + crlf, filters.windows_env, home,
                                  "I like you.\nHello, Japan!\n".encode())
            check(f"shipped dictionaries beside the program {crlf}", linux, windows)

        # At a drive's root AppFolder is "M:\" itself, and data\ lies there.
        prefix = os.environ.get("WINEPREFIX") or os.path.join(os.path.dirname(args.wine), "..", "..",
                                                              "build", "windows", "wineprefix")
        drive = os.path.join(prefix, "dosdevices", "m:")
        root = os.path.join(folder, "drive-m")
        shutil.copytree(os.path.join(home, "data"), os.path.join(root, "data"))
        shutil.copy(exe, root)
        if not os.path.lexists(drive):
            os.symlink(root, drive)
            try:
                text = b"I like you. The cat is on the desk."
                windows = filters.run([args.wine, "M:\\mikawase-cli.exe"], filters.windows_env, root, text)
                linux = filters.run([args.linux_cli, "--data-dir", args.shipped_data], filters.linux_env, root,
                                    text)
                check("run from a drive's root", linux, windows)
                os.remove(os.path.join(root, "data", "noun.txt"))
                windows = filters.run([args.wine, "M:\\mikawase-cli.exe"], filters.windows_env, root, text)
                expected = (1, b"", "mikawase-cli: M:\\data\\noun.txt: the dictionary file does not exist\n".encode())
                if windows != expected:
                    failures.append(f"a drive's root: {describe(windows)}, expected {describe(expected)}")
            finally:
                os.remove(drive)
        else:
            failures.append(f"drive M: is taken in {prefix}; cannot try a drive's root")

        # A console shows the text as characters, whatever its code page.
        with open(os.path.join(home, "入力.txt"), "wb") as f:
            f.write("I like you.\nHello, Japan!\n".encode())
        status, shown = on_a_terminal([args.wine, exe, "入力.txt"], home, filters.windows_env)
        if (status, shown) != (0, "私が好きなのはあなた。\nこんにちは、日本！\n"):
            failures.append(f"output on a console: status {status}, shown {shown!r}")
        broken = os.path.join(folder, "辞書 壊れ")
        os.makedirs(broken)
        for name in FILES:
            with open(os.path.join(broken, name), "wb") as f:
                f.write(b"short\r\n" if name == "noun.txt" else b"")
        status, shown = on_a_terminal([args.wine, exe, "--data-dir", "../../辞書 壊れ/", "入力.txt"], home,
                                      filters.windows_env)
        if status != 1 or not shown.startswith("mikawase-cli: ../../辞書 壊れ/noun.txt:1: the line"):
            failures.append(f"an error on a console: status {status}, shown {shown!r}")

        seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 32)
        print(f"random cases: --seed {seed} --cases {args.cases}", flush=True)
        rng = random.Random(seed)
        for number in range(args.cases):
            case = differential.random_case(rng)
            files = {name: b"".join(chunks) for name, chunks in case["files"].items() if chunks is not None}
            folder_of_case = filters.write_case(None if case["no_dir"] else files)
            data = differential.input_bytes(case)
            arguments = ["--data-dir", "data/"] + (["--crlf"] if case["crlf"] else [])
            if case["stdin"]:
                arguments += ["-"] if number % 2 else []
            else:
                with open(os.path.join(folder_of_case, "input.txt"), "wb") as f:
                    f.write(data)
                arguments.append("input.txt")
                data = b""
            linux, windows = filters.both(arguments, data, folder_of_case)
            check(f"random case {number} (seed {seed})", linux, windows)

    for failure in failures[:20]:
        print("MISMATCH " + failure)
    print(f"{filters.runs} comparisons, {len(failures)} mismatches")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
