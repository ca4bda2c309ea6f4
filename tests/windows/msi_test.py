#!/usr/bin/env python3
"""The Windows installer under wine: install, upgrade, uninstall.

In a wine prefix of its own, made afresh, as a new user's would be:

- msiexec /i installs, without a question, every file of the zip's folder
  byte for byte into %LOCALAPPDATA%\\Programs\\mikawase (its READMEs
  speaking of Windows, in Japanese and English), a Start-menu
  shortcut ミカワセ to mikawase.exe with the program's icon, and an
  uninstall entry with the name, version and publisher;
- the installed mikawase-cli.exe, finding data\\ beside itself, renders
  the worked examples and the shipped dictionaries' text as the Linux
  filter does, and its --help names the Windows folders;
- a word added with --add before an upgrade still wins after it; the
  upgrade (a second installer of the next version, whose adjective.txt
  has one more line) replaces the shipped dictionaries and leaves one
  entry; the older installer then refuses to downgrade;
- msiexec /x leaves no installed file, shortcut, entry or registry key,
  and keeps the personal folder in %APPDATA%\\mikawase as it was.

    msi_test.py --msi FILE.msi --stage DIR --icon FILE.ico --build-msi SCRIPT
                --wine-run SCRIPT --linux-cli PATH [--publisher NAME]
"""

import argparse
import os
import pwd
import re
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from cli_matches_linux import EXAMPLES, line  # noqa: E402

NAME = "ミカワセ"
# Where the installer's components keep their key paths.
INSTALLER_KEY = "HKCU\\Software\\mikawase\\Installer"
UNINSTALL = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
# A word the shipped dictionaries do not know, for the upgrade's new line.
NEW_WORD, NEW_WORD_JAPANESE = "zyzzyvas", "ゾウムシ"


def read_shortcut(path):
    """(target, working folder, icon) of a .lnk file: the local path of its
    link information and two of its strings."""
    data = open(path, "rb").read()
    if data[:4] != b"\x4c\x00\x00\x00":
        raise ValueError(f"{path} is not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C
    if flags & 0x01:  # an item ID list
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = None
    if flags & 0x02:  # link information
        size, header, info_flags, _, base = struct.unpack_from("<IIIII", data, at)
        if info_flags & 0x01:
            if header >= 0x24:
                wide = at + struct.unpack_from("<I", data, at + 0x1C)[0]
                end = wide
                while data[end:end + 2] != b"\0\0":
                    end += 2
                target = data[wide:end].decode("utf-16-le")
            else:
                target = data[at + base:data.index(b"\0", at + base)].decode("cp932")
        at += size
    strings = []
    unicode = flags & 0x80
    for bit in (0x04, 0x08, 0x10, 0x20, 0x40):  # name, relative path, folder, arguments, icon
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if unicode else 1
            raw = data[at + 2:at + 2 + count * width]
            # wine counts a NUL at the end too.
            strings.append((bit, raw.decode("utf-16-le" if unicode else "cp932").rstrip("\0")))
            at += 2 + count * width
    found = dict(strings)
    return target, found.get(0x10), found.get(0x40)


def registry_keys(exported):
    """{key: {name: text}} of the string values in a file of `reg export`."""
    keys, current = {}, None
    for text in exported.splitlines():
        if text.startswith("["):
            current = keys.setdefault(text[1:text.rindex("]")], {})
        elif current is not None and text.startswith('"') and '"="' in text:
            name, value = text[1:-1].split('"="', 1)
            current[name] = re.sub(r"\\(.)", r"\1", value)
    return keys


def files_below(folder):
    return {os.path.relpath(os.path.join(d, name), folder): open(os.path.join(d, name), "rb").read()
            for d, _, names in os.walk(folder) for name in names}


class Prefix:
    """A fresh wine prefix with one wine server for the whole test."""

    def __init__(self, folder, wine_run):
        self.path = os.path.join(folder, "prefix")
        self.wine_run = wine_run
        self.env = dict(os.environ, WINEPREFIX=self.path, WINEDEBUG="-all",
                        # No Mono or Gecko dialogs; no menu entries or file
                        # types written into the Linux user's own folders.
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.env.pop("MIKAWASE_CACHE_DIR", None)
        user = pwd.getpwuid(os.getuid()).pw_name
        self.profile = os.path.join(self.path, "drive_c", "users", user)

    def wine(self, arguments, data=b""):
        """(status, standard output, standard error) of a Windows program.
        The output goes through files, not pipes: the services that msiexec
        starts outlive it and would hold a pipe open for good."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            p = subprocess.run([self.wine_run] + arguments, input=data, stdout=out, stderr=err,
                               env=self.env, timeout=300)
            out.seek(0)
            err.seek(0)
            return p.returncode, out.read(), err.read()

    def start(self):
        self.wine(["cmd", "/c", "exit"])
        subprocess.run(["wineserver", "--wait"], env=self.env)
        subprocess.run(["wineserver", "--persistent"], env=self.env, check=True)

    def stop(self):
        subprocess.run(["wineserver", "--kill"], env=self.env)

    def uninstall_entries(self):
        """Our entries in Apps & features, in whichever hive wine keeps them."""
        entries = {}
        for hive in ("HKLM", "HKCU"):
            exported = os.path.join(self.path, "uninstall.reg")
            status = self.wine(["reg", "export", hive + "\\" + UNINSTALL, "Z:" + exported, "/y"])
            if status[0] != 0:
                continue  # no such key
            with open(exported, encoding="utf-16") as f:
                for key, values in registry_keys(f.read()).items():
                    if values.get("DisplayName") == NAME:
                        entries[key] = values
        return entries


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("msi", "stage", "icon", "build-msi", "wine-run", "linux-cli"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--publisher", default="Mikawase maintainers")
    args = parser.parse_args()
    for name in ("msi", "stage", "icon", "build_msi", "wine_run", "linux_cli"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    failures = []

    def expect(what, got, wanted):
        if got != wanted:
            failures.append(f"{what}: got {got!r}, expected {wanted!r}")

    version = re.search(r"mikawase-(\d+\.\d+\.\d+)-win64\.msi$", args.msi).group(1)
    major, minor, patch = (int(n) for n in version.split("."))
    next_version = f"{major}.{minor}.{patch + 1}"

    with tempfile.TemporaryDirectory(prefix="mikawase-msi-") as folder:
        # The next version: the same files, and one more word shipped.
        stage = os.path.join(folder, "stage-next")
        shutil.copytree(args.stage, stage)
        with open(os.path.join(stage, "data", "adjective.txt"), "ab") as f:
            f.write(line(NEW_WORD, NEW_WORD_JAPANESE))
        next_msi = os.path.join(folder, f"mikawase-{next_version}-win64.msi")
        subprocess.run([args.build_msi, stage, next_version, args.icon, next_msi, args.publisher],
                       check=True, stdout=subprocess.DEVNULL)

        prefix = Prefix(folder, args.wine_run)
        prefix.start()
        try:
            program = os.path.join(prefix.profile, "AppData", "Local", "Programs", "mikawase")
            cli = "C:\\users\\" + os.path.basename(prefix.profile) + \
                "\\AppData\\Local\\Programs\\mikawase\\mikawase-cli.exe"
            shortcut = os.path.join(prefix.profile, "AppData", "Roaming", "Microsoft", "Windows",
                                    "Start Menu", "Programs", NAME + ".lnk")
            personal = os.path.join(prefix.profile, "AppData", "Roaming", "mikawase")

            status = prefix.wine(["msiexec", "/i", "Z:" + args.msi, "/qn"])
            expect("msiexec /i", status[0], 0)
            expect("installed files", sorted(files_below(program)), sorted(files_below(args.stage)))
            expect("the installer's registry key", prefix.wine(["reg", "query", INSTALLER_KEY])[0], 0)
            expect("installed bytes", files_below(program) == files_below(args.stage), True)
            # What a Windows user reads speaks of Windows, and of every option.
            readme = open(os.path.join(program, "README.txt"), encoding="utf-8").read()
            for wanted in ("--add", "--check", "--trace", "--crlf", "--data-dir", "--no-personal",
                           "--engine=literal", "%APPDATA%\\mikawase", "MSI", "zip"):
                if readme.count(wanted) < 2:  # in Japanese and in English
                    failures.append(f"README.txt does not speak of {wanted} in both languages")
            if readme.index("ウィンドウ") > readme.index("The window"):
                failures.append("README.txt is not Japanese first")
            dictionaries = open(os.path.join(program, "data", "README.txt"), encoding="utf-8").read()
            if "XDG" in dictionaries or "%APPDATA%\\mikawase" not in dictionaries:
                failures.append("data\\README.txt does not name the Windows personal folder alone")
            if not os.path.exists(shortcut):
                failures.append(f"no shortcut {shortcut}")
            else:
                target, working, icon = read_shortcut(shortcut)
                expect("shortcut target", target, cli.replace("mikawase-cli.exe", "mikawase.exe"))
                expect("shortcut folder", (working or "").rstrip("\\"), cli.replace("\\mikawase-cli.exe", ""))
                icon_file = os.path.join(prefix.path, "drive_c", *(icon or "C:\\").split("\\")[1:])
                if not (icon or "").endswith("mikawase.ico") or not os.path.isfile(icon_file):
                    failures.append(f"shortcut icon: {icon!r}")
            entries = prefix.uninstall_entries()
            expect("uninstall entries", [(e.get("DisplayVersion"), e.get("Publisher"))
                                         for e in entries.values()], [(version, args.publisher)])

            # The worked examples, through the installed filter and Linux's.
            for number, (files, text, expected) in enumerate(EXAMPLES):
                case = os.path.join(folder, f"example{number}")
                os.makedirs(case)
                for name, data in files.items():
                    with open(os.path.join(case, name), "wb") as f:
                        f.write(data)
                windows = prefix.wine([cli, "--data-dir", "Z:" + case + "/"], text.encode())
                linux = subprocess.run([args.linux_cli, "--data-dir", case + "/"], input=text.encode(),
                                       capture_output=True)
                expect(f"example {text!r} on Linux", (linux.returncode, linux.stdout),
                       (0, expected.encode()))
                expect(f"example {text!r} installed", windows, (linux.returncode, linux.stdout, linux.stderr))
            # The shipped dictionaries beside the installed program.
            sentences = "\n".join(text for _, text, _ in EXAMPLES).encode()
            linux = subprocess.run([args.linux_cli, "--no-personal", "--data-dir", args.stage + "/data/"],
                                   input=sentences, capture_output=True)
            expect("shipped dictionaries, installed", prefix.wine([cli], sentences),
                   (0, linux.stdout, b""))

            # Its help speaks of Windows' folders, and of no manual page.
            status, out, _ = prefix.wine([cli, "--help"])
            for wanted in ("%APPDATA%\\mikawase", "%LOCALAPPDATA%\\mikawase\\cache", "README.txt"):
                if wanted.encode() not in out:
                    failures.append(f"--help does not name {wanted}")
            if b"(1)" in out or b"XDG" in out:
                failures.append(f"--help speaks of Linux: {out!r}")

            # A word of the user's, before the upgrade.
            status = prefix.wine([cli, "--add", "noun", "laptop", "ノートパソコン"])
            expect("--add", status[0], 0)
            mine = files_below(personal)
            # The lock file writers take turns by stays beside the file it guards.
            expect("personal files", sorted(mine), ["noun.txt", "noun.txt.lock"])

            status = prefix.wine(["msiexec", "/i", "Z:" + next_msi, "/qn"])
            expect("msiexec /i of the next version", status[0], 0)
            expect("upgraded files", files_below(program) == files_below(stage), True)
            entries = prefix.uninstall_entries()
            expect("uninstall entries after the upgrade", [e.get("DisplayVersion") for e in entries.values()],
                   [next_version])
            expect("personal files after the upgrade", files_below(personal), mine)
            expect("the user's word and the new shipped one",
                   prefix.wine([cli], f"a laptop, {NEW_WORD}".encode())[:2],
                   (0, f"一つのノートパソコン、{NEW_WORD_JAPANESE}".encode()))

            status = prefix.wine(["msiexec", "/i", "Z:" + args.msi, "/qn"])
            if status[0] == 0:
                failures.append("the older version installed over the newer one")
            expect("files after a refused downgrade", files_below(program) == files_below(stage), True)

            status = prefix.wine(["msiexec", "/x", "Z:" + next_msi, "/qn"])
            expect("msiexec /x", status[0], 0)
            expect("installed folder after uninstalling", os.path.exists(program), False)
            expect("shortcut after uninstalling", os.path.exists(shortcut), False)
            expect("uninstall entries after uninstalling", prefix.uninstall_entries(), {})
            expect("the program's registry key after uninstalling",
                   prefix.wine(["reg", "query", "HKCU\\Software\\mikawase"])[0], 1)
            expect("personal files after uninstalling", files_below(personal), mine)
        finally:
            prefix.stop()

    for failure in failures:
        print("FAIL " + failure)
    print(f"installer test: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
