#!/usr/bin/env python3
"""The measuring texts' cutting, without their packages: what of a manual's
HTML counts as prose, how a novel's chapters go to each side, the tokens
as the filter sees them, and how a word's rendering is counted."""
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from dictionaries.corpora import _Paragraphs, chapters_of  # noqa: E402
from dictionaries.coverage import (ACTED, classify, marked_data,  # noqa: E402
                                  tokens_of, words_of)


class ParagraphsTest(unittest.TestCase):
    PAGE = """<div class="toc"><p><strong>Table of Contents</strong></p>
      <div><p>nested in the contents</p></div></div>
      <p>The <code class="literal">mount</code>(8) command attaches a
         filesystem&nbsp;to the tree.</p>
      <table><tr><td><p>a cell</p></td></tr></table>
      <pre>$ ls -l</pre>
      <ul><li><p>An item, with a <a href="x">link</a>.</p></li></ul>
      <div class="note"><p>A note stays.</p></div>"""

    def test_prose_only(self):
        parser = _Paragraphs()
        parser.feed(self.PAGE)
        parser.close()
        self.assertEqual(parser.paragraphs, [
            "The (8) command attaches a filesystem to the tree.",
            "An item, with a link.",
            "A note stays.",
        ])


class ChaptersTest(unittest.TestCase):
    BOOK = ("TITLE\n\nA preface.\n\nCHAPTER 1\n\nOne.\n\nCHAPTER 2\n\nTwo."
            "\n\nCHAPTER 3\n\nThree; not CHAPTER 4 in the text.\n")

    def test_sides(self):
        self.assertEqual(chapters_of(self.BOOK, (1, 3)),
                         "One.\n\nThree; not CHAPTER 4 in the text.")
        self.assertEqual(chapters_of(self.BOOK, (2,)), "Two.")


class TokensTest(unittest.TestCase):
    TEXT = '"Well, (see below) -- it\u2019s 42: said: don\'t well-known'

    def test_as_program_sees(self):
        self.assertEqual(sorted(tokens_of(self.TEXT)), sorted([
            '"Well,', "(see", "below)", "it\u2019s", "said:", "don't",
            "well-known"]))

    def test_default_cuts_marks_off(self):
        self.assertEqual(sorted(words_of(self.TEXT)), sorted([
            "Well", "see", "below", "it", "s", "said", "don't", "well",
            "known"]))


class ClassifyTest(unittest.TestCase):
    def test_kinds(self):
        cases = [
            # (with the files, without them, a line acted, kind)
            ("猫", "キャト", False, "dictionary"),
            ("コマンド", "コマンド", True, "dictionary"),  # a loanword entry
            ("デビアン", "デビアン", False, "spelling"),   # no line took it
            ("毎オネ", "毎オネ", False, "spelling"),
            ("その", "その", False, "table"),
            ("", "", False, "table"),                      # a copula dropped
        ]
        for shipped, bare, acted, kind in cases:
            with self.subTest(shipped=shipped):
                self.assertEqual(classify(shipped, bare, acted), kind)

    def test_every_value_is_marked(self):
        with tempfile.TemporaryDirectory() as data, \
                tempfile.TemporaryDirectory() as out:
            lines = {"noun.txt": "command        コマンド\r\nbe             \r\n",
                     "adjective.txt": "", "rome.txt": "a              ア\r\n"}
            for name, text in lines.items():
                with open(os.path.join(data, name), "wb") as f:
                    f.write(text.encode("cp932"))
            marked_data(data, out)
            with open(os.path.join(out, "noun.txt"), "rb") as f:
                self.assertEqual(f.read().decode("cp932"),
                                 "command        %sコマンド\r\n"
                                 "be             %s\r\n" % (ACTED, ACTED))
            with open(os.path.join(out, "rome.txt"), "rb") as f:
                self.assertEqual(f.read().decode("cp932"),
                                 lines["rome.txt"])


if __name__ == "__main__":
    unittest.main()
