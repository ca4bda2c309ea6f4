#!/usr/bin/env python3
"""The forms matrix's own checks: the verb's Japanese taken from its keys,
and the form each construction must show after it. Each row is a
rendering the matrix must pass or fail, so that a check too loose (any
ない anywhere) or too strict (a stative 知っている) shows here."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import forms_matrix as fm  # noqa: E402


class StemTest(unittest.TestCase):
    KEYS = {"〓将 touch": "が触るであろうのは", "〓否 touch": "が触らないのは",
            "〓将 know": "が知っているであろうのは", "〓否 know": "が知らないのは",
            "〓将 own": "が所持するであろうのは", "〓昔 own": "が所持しなかった",
            "〓否 see": "がわからない", "〓将 see": "がわかるだろう"}

    def test_stems(self):
        for base, stem in (("touch", "触"), ("know", "知"), ("own", "所持"),
                           ("see", ""), ("jump", None)):
            self.assertEqual(fm.japanese_stem(base, self.KEYS), stem, base)


class FormTest(unittest.TestCase):
    # construction, stem, rendering, the problems the matrix must find
    CASES = [
        ("didn't V", "触", "彼が触らなかったのはそれ。", []),
        ("didn't V", "触", "彼しなかったが触るのはそれ。", ["form", "not-but"]),
        ("Don't V!", "触", "触らないでほしいのはそれ。", []),
        ("Don't V!", "触", "触るな。", []),
        ("Don't V!", "触", "が触らないのはそれ。", ["form", "statement"]),
        ("can V", "書", "彼が書けるのは。", []),
        ("can V", "書", "彼が書くのは。", ["form"]),
        ("can V", "勉強", "彼が勉強できる。", []),
        ("might V", "行", "彼かもしれないが行く。", ["form", "concessive"]),
        ("was V-ed", "書", "それが書かれた。", []),
        ("was V-ed", "書", "それが書いた。", ["form"]),
        ("never V-ed", "行", "彼決して…ないが行った。",
         ["form", "not-but", "left placeholder"]),
    ]

    def test_problems(self):
        for name, stem, rendering, expected in self.CASES:
            _, endings, kind = fm.FORMS[name]
            self.assertEqual(
                fm.problems(kind, rendering, fm.form_regex(stem, endings)),
                expected, (name, rendering))


if __name__ == "__main__":
    unittest.main()
