#!/usr/bin/env python3
"""mikawase-cli.exe under wine, many times over, against the Linux filter.

Every run goes through one path of the filter, ordinary or failing: random
texts and dictionaries (some broken), invalid UTF-8 input, empty input,
input long enough for the translation to use two threads (now and then with
a bad byte at its end), a missing data folder or file, --check, --trace,
unknown options (not --help, which names each platform's own personal
folder), and --add into the personal folder (a phase of its own,
since every later translation reads that folder). Each run's exit status,
standard output and standard error must be those of the Linux filter on the
same input; a Windows run that dies (wine reports an unhandled exception,
or the status is none the filter gives) is a crash. Last, a few adds start
at once under wine, and every word must be in the file.

Case N of a seed is made from the seed and N alone, so `--seed S --only N`
runs it again. A failure is not always reproducible that way (a crash that
comes from timing); the script then says so, prints the exact commands,
and keeps the case's folder (dictionaries, input, commands) on disk.

    cli_many_runs.py --linux-cli PATH --windows-cli PATH.exe --wine RUNNER
                     --shipped-data DIR [--runs N] [--jobs N] [--seed N]
                     [--only N] [--keep DIR] [--wine-debug CHANNELS]
                     [--concurrent-adds N]
"""

import argparse
import concurrent.futures
import glob
import os
import random
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "reference"))
import differential  # noqa: E402

FILES = ("noun.txt", "adjective.txt", "rome.txt")
# Statuses the filter gives: done, failed, wrong usage.
KNOWN_STATUSES = (0, 1, 2)
# With WINEDEBUG channels on, wine writes its own lines to standard error.
# With +tid each starts with the thread's number, and can break into a line
# of the program's own where it wrote more than one block.
WINE_DEBUG_LINE = re.compile(rb"[0-9a-f]{4}:(?:[0-9a-f]{4}:)?(?:trace|fixme|err|warn):[A-Za-z0-9_]+:[^\n]*\n|"
                             rb"^(?:trace|fixme|err|warn):[A-Za-z0-9_]+:[^\n]*\n", re.M)
# And, without WINEDEBUG=-all, a word about the 32-bit half it lacks.
WINE32_NOTICE = re.compile(rb"it looks like wine32 is missing.*?wine32:i386\"\n", re.S)
# A path in the Windows personal folder, as --add prints it.
WINDOWS_PERSONAL = re.compile(rb"[A-Za-z]:\\[^:\n]*?\\mikawase\\")


def line(key, value, end="\r\n"):
    return (key.ljust(15) + value).encode("cp932") + end.encode()


def real_english():
    """Debian's licence texts, three times over: over 256 KiB, enough for
    the translation to be split between two threads."""
    folder = "/usr/share/common-licenses"
    text = b"".join(open(os.path.join(folder, name), "rb").read()
                    for name in ("GPL-3", "GFDL-1.3", "LGPL-2.1", "MPL-2.0", "Apache-2.0"))
    return text * 3


class Case:
    """One run: its arguments, standard input, dictionaries (None: no data
    folder) and an input file, if any."""

    def __init__(self, kind, arguments, stdin=b"", files=None, input_file=None, shipped=False):
        self.kind, self.arguments, self.stdin = kind, arguments, stdin
        self.files, self.input_file, self.shipped = files, input_file, shipped


def random_files(rng, broken):
    case = differential.random_case(rng)
    if broken:  # a fresh file, broken once
        name = rng.choice(FILES)
        case["files"][name] = differential.break_file(rng, differential.random_file(rng, case["keys"]))
    files = {name: b"".join(chunks) for name, chunks in case["files"].items() if chunks is not None}
    return case, files


def make_case(seed, number, english):
    rng = random.Random(f"{seed}-{number}")
    kind = rng.choices(["random", "invalid-utf8", "empty", "long", "check", "trace", "usage",
                        "missing-data", "halfwidth", "utf8-dictionary"],
                       weights=[40, 8, 4, 4, 10, 10, 6, 6, 6, 6])[0]
    data = ["--data-dir", "data/"]
    if kind == "random":
        case, files = random_files(rng, broken=False)
        stdin = differential.input_bytes(case)
        arguments = data + (["--crlf"] if case["crlf"] else [])
        if case["stdin"]:
            return Case(kind, arguments, stdin, None if case["no_dir"] else files)
        return Case(kind, arguments + ["input.txt"], b"", None if case["no_dir"] else files, stdin)
    if kind == "invalid-utf8":
        case, files = random_files(rng, broken=False)
        text = differential.input_bytes(case)
        at = rng.randint(0, len(text))
        bad = rng.choice([b"\xff", b"\xc3", b"\xe3\x81", b"\xed\xa0\x80", b"\x80", b"\xf5"])
        return Case(kind, data, text[:at] + bad + text[at:], files)
    if kind == "empty":
        case, files = random_files(rng, broken=rng.random() < 0.3)
        return Case(kind, data + rng.choice([[], ["-"], ["--crlf"]]), b"", files)
    if kind == "long":
        # The shipped dictionaries on a long text, which runs on two
        # threads; now and then with a bad byte near its end, found after
        # the threads started, or a broken personal file.
        start = rng.randrange(0, len(english) // 3)
        text = english[start:start + rng.randint(260_000, 300_000)]
        text = text.decode("utf-8", "ignore").encode("utf-8")
        if rng.random() < 0.3:
            at = len(text) - rng.randint(1, 2000)
            text = text[:at] + b"\xff" + text[at:]
        return Case(kind, ["--data-dir", "shipped/"] + rng.choice([[], ["--crlf"]]), text, None,
                    shipped=True)
    if kind == "check":
        case, files = random_files(rng, broken=rng.random() < 0.5)
        return Case(kind, ["--check"] + data, b"", None if case["no_dir"] else files)
    if kind == "trace":
        case, files = random_files(rng, broken=rng.random() < 0.2)
        return Case(kind, ["--trace"] + data, differential.input_bytes(case)[:2000], files)
    if kind == "usage":
        arguments = rng.choice([["--frobnicate"], ["a", "b"], ["--engine=quantum"], ["--data-dir"],
                                ["--check", "story.txt"], ["--trace", "--engine=fast"],
                                ["--add", "noun", "cat"], ["--add", "verb", "go", "行く"],
                                ["missing.txt"], ["--version"]])
        return Case(kind, (data if arguments[0] != "--data-dir" else []) + arguments, b"", {})
    if kind == "missing-data":
        case, files = random_files(rng, broken=False)
        files.pop(rng.choice(FILES), None)
        if rng.random() < 0.5:
            return Case(kind, ["--data-dir", "nothing/"], b"The cat.", files)
        return Case(kind, data, b"The cat.", files)
    if kind == "halfwidth":
        # Halfwidth katakana whose CP932 bytes are valid UTF-8 as well.
        values = ["ﾃｽ", "ﾃｽﾄｱ", "ﾃｨ", "ﾏｽ", "ﾑｱ"]
        keys = ["test", "pen", "red", "cat", "dog"]
        rng.shuffle(values)
        files = {"noun.txt": b"".join(line(k, v) for k, v in zip(keys, values)), "adjective.txt": b"",
                 "rome.txt": b""}
        arguments = data if rng.random() < 0.7 else ["--check"] + data
        return Case(kind, arguments, " ".join(rng.choices(keys, k=6)).encode(), files)
    # A dictionary saved as UTF-8, or one UTF-8 line among CP932 lines.
    case, files = random_files(rng, broken=False)
    name = rng.choice(FILES)
    bad = rng.choice(["cat            猫", "pc             パソコン", "x              黒い"]).encode("utf-8")
    files[name] = files.get(name, b"") + bad + b"\r\n"
    arguments = data if rng.random() < 0.6 else ["--check"] + data
    return Case("utf8-dictionary", arguments, b"The cat.", files)


class Runner:
    def __init__(self, args, folder):
        self.args, self.folder = args, folder
        self.linux_env = dict(os.environ, MIKAWASE_CACHE_DIR=os.path.join(folder, "cache-linux"),
                              XDG_DATA_HOME=os.path.join(folder, "linux-home"))
        self.windows_env = dict(os.environ, MIKAWASE_CACHE_DIR="Z:" + os.path.join(folder, "cache-windows"))
        if args.wine_debug:
            self.windows_env["WINEDEBUG"] = args.wine_debug
        self.lock = threading.Lock()
        self.runs = self.crashes = 0
        self.failures = []

    def write(self, where, case):
        shutil.rmtree(where, ignore_errors=True)
        os.makedirs(where)
        if case.files is not None:
            os.makedirs(os.path.join(where, "data"))
            for name, data in case.files.items():
                with open(os.path.join(where, "data", name), "wb") as f:
                    f.write(data)
        if case.shipped:
            os.symlink(self.args.shipped_data, os.path.join(where, "shipped"))
        if case.input_file is not None:
            with open(os.path.join(where, "input.txt"), "wb") as f:
                f.write(case.input_file)
        with open(os.path.join(where, "stdin"), "wb") as f:
            f.write(case.stdin)

    def run(self, command, env, cwd, data):
        try:
            p = subprocess.run(command, input=data, capture_output=True, cwd=cwd, env=env, timeout=300)
            return p.returncode, p.stdout, p.stderr
        except subprocess.TimeoutExpired:
            return "hung", b"", b""

    def both(self, where, arguments, data):
        linux = self.run([self.args.linux_cli] + arguments, self.linux_env, where, data)
        windows = self.run([self.args.wine, self.args.windows_cli] + arguments, self.windows_env, where, data)
        return linux, windows

    def compare(self, what, where, arguments, linux, windows, normalise=lambda b: b):
        status, out, err = windows
        windows_err = err
        if self.args.wine_debug:
            with open(os.path.join(where, "wine-debug.txt"), "wb") as f:
                f.write(err)
            err = WINE_DEBUG_LINE.sub(b"", WINE32_NOTICE.sub(b"", err))
        hung = status == "hung" or linux[0] == "hung"
        # Every way the filter fails writes a line first (--check on
        # standard output, the rest on standard error): a failure without
        # one is a death, whatever its status.
        crashed = not hung and (status not in KNOWN_STATUSES or b"wine: Unhandled" in err or
                                (status != 0 and not out and not err))
        windows = (status, normalise(out), normalise(err))
        linux = (linux[0], normalise(linux[1]), normalise(linux[2]))
        with self.lock:
            self.runs += 1
            self.crashes += crashed
            if linux == windows and not crashed:
                return True
            kept = os.path.join(self.args.keep, os.path.basename(where))
            shutil.rmtree(kept, ignore_errors=True)
            shutil.copytree(where, kept, symlinks=True)
            commands = (f"cd {shlex.quote(kept)}\n"
                        f"{shlex.join([self.args.linux_cli] + arguments)} <stdin\n"
                        f"{shlex.join([self.args.wine, self.args.windows_cli] + arguments)} <stdin\n")
            with open(os.path.join(kept, "commands.sh"), "w") as f:
                f.write(commands)
            wine_said = b""
            if self.args.wine_debug:
                wine_said = b"".join(re.findall(rb"[^\n]*:err:[^\n]*\n", windows_err))[:600]
            self.failures.append(
                f"{'HUNG' if hung else 'CRASH' if crashed else 'MISMATCH'} {what}\n"
                + (f"  wine's errors: {wine_said!r}\n" if wine_said else "") +
                f"  linux:   {describe(linux)}\n  windows: {describe(windows)}\n"
                f"  kept in {kept}; the commands:\n    " + commands.strip().replace("\n", "\n    "))
            return False

    def one_case(self, number, english):
        case = make_case(self.args.seed, number, english)
        where = os.path.join(self.folder, f"case-{number}")
        self.write(where, case)
        linux, windows = self.both(where, case.arguments, case.stdin)
        self.compare(f"case {number} ({case.kind}; --seed {self.args.seed} --only {number})", where,
                     case.arguments, linux, windows)
        shutil.rmtree(where, ignore_errors=True)


def describe(result):
    status, out, err = result
    return f"status {status}, out {out[:300]!r}, err {err[:300]!r}"


def windows_personal_folder(args):
    """The personal folder of the Windows program in the wine prefix (the
    user's roaming application data), which --add writes to."""
    prefix = os.environ.get("WINEPREFIX") or os.path.join(os.path.dirname(args.wine), "..", "..",
                                                          "build", "windows", "wineprefix")
    found = [p for p in glob.glob(os.path.join(prefix, "drive_c", "users", "*", "AppData", "Roaming"))
             if os.path.basename(os.path.dirname(os.path.dirname(p))) != "Public"]
    if len(found) != 1:
        raise SystemExit(f"cannot tell the roaming folder in {prefix}: {found}")
    return os.path.join(found[0], "mikawase")


def add_phase(runner, seed, count, personal):
    """--add of random words, each followed by a translation that reads
    them: the two personal folders change in step."""
    linux_personal = os.path.join(runner.linux_env["XDG_DATA_HOME"], "mikawase")
    rng = random.Random(f"{seed}-adds")
    where = os.path.join(runner.folder, "adds")
    runner.write(where, Case("add", [], b"", {"noun.txt": line("cat", "猫"), "adjective.txt": b"",
                                              "rome.txt": b""}))

    def normalise(data):
        data = data.replace(linux_personal.encode() + b"/", b"<personal>/")
        return WINDOWS_PERSONAL.sub(b"<personal>/", data)

    words = ["zzcat", "zzdog", "zz", "laptop", "pc", "black", "red", "tea"]
    values = ["猫", "犬", "ﾃｽ", "ノートパソコン", "黒い", "赤", "茶", "ｶﾅ"]
    for number in range(count):
        kind = rng.choice(["noun", "adjective", "rome", "noun", "bad"])
        if kind == "bad":
            arguments = rng.choice([["--add", "noun", "Cat", "猫"], ["--add", "noun", " cat", "猫"],
                                    ["--add", "noun", "abcdefghijklmnop", "x"], ["--add", "rome", "x", "😀"]])
        else:
            arguments = ["--add", kind, rng.choice(words), rng.choice(values)]
        arguments = ["--data-dir", "data/"] + arguments
        linux, windows = runner.both(where, arguments, b"")
        runner.compare(f"add {number} (seed {seed})", where, arguments, linux, windows, normalise)
        text = " ".join(rng.choices(words, k=5)).encode()
        linux, windows = runner.both(where, ["--data-dir", "data/"], text)
        runner.compare(f"translation after add {number} (seed {seed})", where, ["--data-dir", "data/"],
                       linux, windows, normalise)
    shutil.rmtree(personal, ignore_errors=True)


def concurrent_adds(runner, count, personal):
    """`count` adds of different words started at once under wine."""
    where = os.path.join(runner.folder, "concurrent")
    runner.write(where, Case("concurrent", [], b"", {name: b"" for name in FILES}))
    started = [subprocess.Popen([runner.args.wine, runner.args.windows_cli, "--data-dir", "data/", "--add", "noun",
                                 f"zzword{n}", f"語{n}"], cwd=where, env=runner.windows_env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
               for n in range(1, count + 1)]
    problems = []
    for n, process in enumerate(started, 1):
        out, err = process.communicate(timeout=300)
        if process.returncode != 0:
            problems.append(f"add {n}: status {process.returncode}, out {out!r}, err {err!r}")
    try:
        with open(os.path.join(personal, "noun.txt"), "rb") as f:
            written = f.read()
    except OSError as error:
        written = b""
        problems.append(f"no personal noun.txt: {error}")
    lines = written.split(b"\r\n")
    wanted = {line(f"zzword{n}", f"語{n}", end="") for n in range(1, count + 1)}
    if lines[-1] != b"" or sorted(lines[:-1]) != sorted(wanted):
        problems.append(f"{count} adds at once left {written!r}")
    leftovers = sorted(set(os.listdir(personal)) - {"noun.txt", "noun.txt.lock"}) if os.path.isdir(personal) else []
    if leftovers:
        problems.append(f"left behind: {leftovers}")
    shutil.rmtree(personal, ignore_errors=True)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--linux-cli", required=True)
    parser.add_argument("--windows-cli", required=True)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--shipped-data", required=True)
    parser.add_argument("--runs", type=int, default=200, help="cases through the filter's paths")
    parser.add_argument("--jobs", type=int, default=2, help="cases run at once")
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--only", type=int, default=None, help="run case N of the seed alone")
    parser.add_argument("--adds", type=int, default=None, help="--add runs (default: runs / 50)")
    parser.add_argument("--concurrent-adds", type=int, default=5)
    parser.add_argument("--keep", default=None, help="where failed cases are kept")
    parser.add_argument("--wine-debug", default=None,
                        help="WINEDEBUG for the Windows runs, with +tid, e.g. +tid,+seh,fixme-all; "
                             "its lines are kept beside a failed case")
    args = parser.parse_args()
    for name in ("linux_cli", "windows_cli", "wine", "shipped_data"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1 << 32)
    args.keep = os.path.abspath(args.keep or tempfile.mkdtemp(prefix="mikawase-many-runs-kept-"))
    os.makedirs(args.keep, exist_ok=True)
    adds = args.adds if args.adds is not None else max(2, args.runs // 50)
    print(f"--seed {args.seed} --runs {args.runs} --jobs {args.jobs}; failed cases go to {args.keep}",
          flush=True)

    # wine's own services start with the first program and outlive it,
    # holding whatever pipes it had: started here, they hold none that a
    # run would wait on.
    subprocess.run([args.wine, "cmd", "/c", "exit"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)
    personal = windows_personal_folder(args)
    shutil.rmtree(personal, ignore_errors=True)
    english = real_english()
    began = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="mikawase-many-runs-") as folder:
        runner = Runner(args, folder)
        numbers = [args.only] if args.only is not None else range(args.runs)
        with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
            for done in pool.map(lambda n: runner.one_case(n, english), numbers):
                pass
        if args.only is None:
            add_phase(runner, args.seed, adds, personal)
            problems = concurrent_adds(runner, args.concurrent_adds, personal) if args.concurrent_adds else []
        else:
            problems = []
    took = time.monotonic() - began

    for failure in runner.failures[:20]:
        print(failure)
    for problem in problems:
        print("CONCURRENT ADDS " + problem)
    if runner.failures:
        print("A failure may not come back with --only: a crash can depend on timing alone. "
              "The kept folders hold what each failed run was given.")
    print(f"{runner.runs} Windows runs compared with Linux, {runner.crashes} crashes, "
          f"{len(runner.failures)} failures; {args.concurrent_adds if args.only is None else 0} "
          f"adds at once: {'lost nothing' if not problems else 'FAILED'}; {took:.0f} s")
    if not runner.failures and not problems:
        shutil.rmtree(args.keep, ignore_errors=True)
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
