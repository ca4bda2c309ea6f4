#!/usr/bin/env python3
"""Times the Windows programs under wine on this machine, beside the Linux
filter: whole processes of mikawase-cli (best of 5, compiled dictionaries
from a warm cache, shipped dictionaries) and presses of the window's button
on 2 KB of English (the first press of a new window with the cache cold and
warm, then the median of 20 more). All figures of one run come from the
same minutes; compare them within one run only.

    time_windows.py --linux-cli PATH --windows-bin DIR --wine RUNNER --data DIR
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "windows"))
import cli_matches_linux  # noqa: E402
import window_test  # noqa: E402


def best_of(runs, command, env, data):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, input=data, env=env, check=True, capture_output=True)
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--linux-cli", required=True)
    parser.add_argument("--windows-bin", required=True)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()
    cli = os.path.join(args.windows_bin, "mikawase-cli.exe")
    # One wine server for the whole run, with wine's services started away
    # from the pipes that the timed runs are read through, as the tests do:
    # otherwise every process would start a server and its services anew.
    prefix = os.environ.get("WINEPREFIX") or os.path.join(os.path.dirname(os.path.abspath(args.wine)), "..", "..",
                                                          "build", "windows", "wineprefix")
    # The display first: wine's desktop process keeps the one it first saw.
    xvfb, display = window_test.start_display()
    server_env = dict(os.environ, WINEPREFIX=prefix, DISPLAY=display)
    subprocess.run([args.wine, "cmd", "/c", "exit"], env=server_env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "--wait"], env=server_env)
    subprocess.run(["wineserver", "--persistent"], env=server_env, check=True)
    subprocess.run([args.wine, "cmd", "/c", "exit"], env=server_env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run_timings(args, cli, display)
    finally:
        subprocess.run(["wineserver", "--kill"], env=server_env)
        if xvfb is not None:
            xvfb.terminate()
            xvfb.wait()


def run_timings(args, cli, display):
    inputs = {"english-2k": cli_matches_linux.real_english(2 * 1024),
              "english-100k": cli_matches_linux.real_english(100 * 1024)}
    with tempfile.TemporaryDirectory(prefix="mikawase-timing-") as folder:
        linux_env = dict(os.environ, MIKAWASE_CACHE_DIR=os.path.join(folder, "linux-cache"))
        wine_env = dict(os.environ, MIKAWASE_CACHE_DIR="Z:" + os.path.join(folder, "wine-cache"))
        print("| process | Linux | wine | wine / Linux |\n|---|---|---|---|")
        rows = [("--version (start-up only)", ["--version"], b"")]
        rows += [(f"{name} ({len(text)} bytes)", ["--data-dir", args.data], text) for name, text in inputs.items()]
        for label, arguments, data in rows:
            linux_command = [args.linux_cli] + arguments
            wine_command = [args.wine, cli] + arguments
            for command, env in ((linux_command, linux_env), (wine_command, wine_env)):
                subprocess.run(command, input=data, env=env, capture_output=True)  # warms the cache
            linux = best_of(5, linux_command, linux_env, data)
            wine = best_of(5, wine_command, wine_env, data)
            print(f"| {label} | {linux * 1000:.1f} ms | {wine * 1000:.1f} ms | {wine / linux:.1f}x |")

        program = os.path.join(folder, "program")
        shutil.copytree(args.data, os.path.join(program, "data"))
        shutil.copy(os.path.join(args.windows_bin, "mikawase.exe"), program)
        text_file = os.path.join(folder, "english-2k.txt")
        with open(text_file, "wb") as f:
            f.write(inputs["english-2k"])
        probe = os.path.join(args.windows_bin, "window_probe.exe")
        # The window's own cache folder: each executable has its own build
        # identity, so the filter's compiled files are not the window's.
        env = dict(wine_env, DISPLAY=display, MIKAWASE_CACHE_DIR="Z:" + os.path.join(folder, "window-cache"))
        empty_file = os.path.join(folder, "empty.txt")
        open(empty_file, "wb").close()
        for cache in ("cold", "warm"):
            window = subprocess.Popen([args.wine, os.path.join(program, "mikawase.exe")], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            run = lambda *a: subprocess.run([args.wine, probe, *a], env=env, check=True,  # noqa: E731
                                            capture_output=True, text=True).stdout
            run("wait", "60")
            run("set-text", "Z:" + text_file)
            first = float(run("press", "1"))
            later = [float(t) for t in run("press", "20").split()]
            run("set-text", "Z:" + empty_file)
            empty = [float(t) for t in run("press", "20").split()]
            print(f"window, a press on 2 KB, cache {cache}: first {first:.1f} ms, "
                  f"then median {statistics.median(later):.2f} ms (of 20); "
                  f"a press on an empty box, median {statistics.median(empty):.2f} ms")
            window.kill()
            window.wait()
            time.sleep(2)  # until the system has taken the window down


if __name__ == "__main__":
    main()
