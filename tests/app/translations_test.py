#!/usr/bin/env python3
"""The window's one translation file, app/translations/mikawase_ja.ts, as
both windows take it: it holds every text of the code and no other (lupdate
finds nothing to add or drop), each translated, with the same Alt key and
the same %N places as its English; and the Win32 string tables generated
from it say exactly what it says.

    translations_test.py [-v]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TS_FILE = os.path.join(ROOT, "app", "translations", "mikawase_ja.ts")
UPDATE = os.path.join(ROOT, "tools", "update-translations.sh")
MAKE_STRING_TABLE = os.path.join(ROOT, "tools", "windows", "make_string_table.py")


def messages(ts_file):
    """(context, source, translation element) of every message."""
    root = ElementTree.parse(ts_file).getroot()
    return [(context.findtext("name"), message.findtext("source"), message.find("translation"))
            for context in root.iter("context") for message in context.iter("message")]


def alt_key(text):
    """The letter after a lone "&", uppercased; None without one."""
    found = re.search(r"&([^&])", text.replace("&&", ""))
    return found.group(1).upper() if found else None


def places(text):
    return sorted(re.findall(r"%[1-9]", text))


RC_ESCAPES = {"\\n": "\n", "\\\\": "\\", '""': '"'}


def rc_tables(rc_text):
    """{language: {id: text}} of each STRINGTABLE, undoing the resource
    compiler's escapes as it reads them."""
    tables, language = {}, None
    for line in rc_text.splitlines():
        if line.startswith("LANGUAGE "):
            language = line.split()[1].rstrip(",")
            tables[language] = {}
        entry = re.fullmatch(r'\s*(\d+), "(.*)"', line)
        if entry:
            tables[language][int(entry.group(1))] = re.sub(
                r'\\n|\\\\|""', lambda m: RC_ESCAPES[m.group(0)], entry.group(2))
    return tables


class TranslationFileTest(unittest.TestCase):
    def test_lupdate_finds_every_text_of_the_code_and_no_other(self):
        with tempfile.TemporaryDirectory() as scratch:
            copy = os.path.join(scratch, "mikawase_ja.ts")
            shutil.copy(TS_FILE, copy)
            subprocess.run([UPDATE, copy], check=True, capture_output=True)
            before = [(c, s) for c, s, _ in messages(TS_FILE)]
            after = [(c, s) for c, s, _ in messages(copy)]
        self.assertEqual(sorted(set(after) - set(before)), [],
                         "texts of the code missing from the .ts: run tools/update-translations.sh "
                         "and translate them")
        self.assertEqual(sorted(set(before) - set(after)), [],
                         "texts in the .ts no longer in the code: run tools/update-translations.sh")
        self.assertGreater(len(before), 80)

    def test_every_text_is_translated_with_its_alt_key_and_places(self):
        for context, source, translation in messages(TS_FILE):
            with self.subTest(context=context, source=source):
                self.assertIsNone(translation.get("type"), "unfinished or obsolete")
                self.assertTrue(translation.text, "empty")
                self.assertNotEqual(translation.text, source)
                self.assertEqual(alt_key(translation.text), alt_key(source))
                self.assertEqual(places(translation.text), places(source))
                self.assertEqual(translation.text.count("\n"), source.count("\n"))


class StringTableTest(unittest.TestCase):
    def generate(self, ts_file, scratch):
        rc, header = os.path.join(scratch, "strings.rc"), os.path.join(scratch, "keys.h")
        done = subprocess.run([sys.executable, MAKE_STRING_TABLE, ts_file, rc, header],
                              capture_output=True, text=True)
        if done.returncode != 0:
            return done.stderr, None, None
        with open(rc, encoding="utf-8") as f, open(header, encoding="utf-8") as g:
            return None, f.read(), g.read()

    def test_the_tables_say_what_the_ts_says_id_for_id(self):
        with tempfile.TemporaryDirectory() as scratch:
            error, rc, header = self.generate(TS_FILE, scratch)
        self.assertIsNone(error)
        tables = rc_tables(rc)
        self.assertEqual(sorted(tables), ["LANG_ENGLISH", "LANG_JAPANESE"])
        expected = messages(TS_FILE)
        ids = sorted(tables["LANG_JAPANESE"])
        self.assertEqual(ids, list(range(ids[0], ids[0] + len(expected))))
        self.assertEqual(sorted(tables["LANG_ENGLISH"]), ids)
        keys = re.findall(r'^    \{"([^"]*)", "((?:[^"\\]|\\.)*)"\},$', header, re.M)
        self.assertEqual(len(keys), len(expected))
        for i, (context, source, translation) in enumerate(expected):
            with self.subTest(source=source):
                self.assertEqual(tables["LANG_ENGLISH"][ids[i]], source)
                self.assertEqual(tables["LANG_JAPANESE"][ids[i]], translation.text)
                self.assertEqual(keys[i][0], context)
                self.assertEqual(keys[i][1].replace('\\"', '"').replace("\\n", "\n"), source)

    def test_an_unfinished_text_stops_the_build(self):
        with open(TS_FILE, encoding="utf-8") as f:
            text = f.read()
        unfinished = text.replace("<translation>", '<translation type="unfinished">', 1)
        with tempfile.TemporaryDirectory() as scratch:
            ts = os.path.join(scratch, "mikawase_ja.ts")
            with open(ts, "w", encoding="utf-8") as f:
                f.write(unfinished)
            error, _, _ = self.generate(ts, scratch)
        self.assertIn("has no finished translation", error or "")


if __name__ == "__main__":
    unittest.main()
