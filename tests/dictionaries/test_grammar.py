#!/usr/bin/env python3
"""The lines that read an auxiliary with its verb (grammar.py), run as the
engine runs a noun file on text as the dictionaries meet it: lowercased,
"n't" made " not", the plural marker after every word in "s". A small verb
table stands for the sources."""
import os
import re
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from dictionaries import grammar  # noqa: E402
from dictionaries.conjugate import Verb  # noqa: E402
from dictionaries.edict import KEY_WIDTH  # noqa: E402

M = grammar.PLURAL_MARKER


def forms(base, s, past, pp, ing):
    return {"base": [base], "s": [s], "past": [past], "pp": [pp],
            "ing": [ing]}


VERBS = {
    "write": (Verb("書く", "v5k"), True,
              forms("write", "writes", "wrote", "written", "writing"), 200),
    "go": (None, False, forms("go", "goes", "went", "gone", "going"), 900),
    "like": (None, True, forms("like", "likes", "liked", "liked", "liking"),
             300),
    "swim": (Verb("泳ぐ", "v5g"), False,
             forms("swim", "swims", "swam", "swum", "swimming"), 5),
    "be": (None, False, forms("be", "is", "was", "been", "being"), 9000),
}
ADJECTIVES = {"good": ("良い", 900), "quiet": ("静かな", 150),
              "rare": ("まれな", 3)}


def as_dictionaries_meet(english):
    """The text as the dictionaries meet it (the steps before them that
    matter here)."""
    text = " " + english.lower().replace("n't", " not") + " "
    return re.sub(r"s ", "s %s " % M, text)


def apply_noun_file(text, rules):
    for key, value in rules:
        text = text.replace(" %s " % key, " %s " % value)
        text = text.replace(" %ss " % key, " %s " % value)
    return text


class GrammarTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.rules = grammar.build(VERBS, ADJECTIVES)
        cls.keys = [k for k, _ in cls.rules]

    def render(self, english):
        # (The plural markers left are removed by a later built-in table.)
        return apply_noun_file(as_dictionaries_meet(english), self.rules) \
            .replace(M, "").split()

    def test_auxiliary_and_verb_read_as_one_form(self):
        cases = [
            ("i don't like tea", ["i", "が好きではないのは", "tea"]),
            ("she doesn't write", ["she", "が書かないのは"]),
            ("we didn't go", ["we", "が行かなかった"]),
            ("he can't write", ["he", "が書けないのは"]),
            ("they won't go", ["they", "が行かないだろう"]),
            ("he never writes", ["he", "が決して書かないのは"]),
            ("it is not written", ["it", "が書かれない"]),
            ("it was written", ["it", "が書かれた"]),
            ("it has been written", ["it", "が書かれた"]),
            ("i have not written", ["i", "が書いていないのは"]),
            ("i will go", ["i", "が行くだろう"]),
            ("i can write", ["i", "が書けるのは"]),
            ("i may go", ["i", "が行くかもしれない"]),
            ("i must go", ["i", "が行かなければならない"]),
            ("you should go", ["you", "が行くべきだ"]),
            ("it is not good", ["it", "良くない"]),
            ("it was not quiet", ["it", "静かではなかった"]),
            ("it will be quiet", ["it", "静かだろう"]),
            ("it will be written", ["it", "が書かれるだろう"]),
            ("i'll go", ["私は", "が行くだろう"]),
            ("nobody wrote", ["誰も書かなかったのは"]),
            ("i don't really like tea", ["i", "本当に", "が好きではないのは",
                                         "tea"]),
            ("it is also written", ["it", "また", "が書かれる"]),
        ]
        for english, expected in cases:
            self.assertEqual(self.render(english), expected, english)

    def test_what_no_verb_key_takes_reads_as_before(self):
        # "swim" is too rare for keys, "rare" too; "is" before a noun is the
        # copula the built-in table deletes, and "will" stays だろう.
        self.assertEqual(self.render("he can't swim"), ["he", "できない",
                                                         "swim"])
        self.assertEqual(self.render("it is not rare"),
                         ["it", "ではない", "rare"])
        self.assertEqual(self.render("it is a pen"), ["it", "a", "pen"])
        self.assertEqual(self.render("the will"), ["the", "だろう"])
        self.assertNotIn("〓", "".join(self.render(
            "i do not will can is was never have not had not must not")))

    def test_lines_run_in_an_order_that_lets_each_match(self):
        # The auxiliaries first (longest before the words they hold, those
        # that read a placeholder last), then the placeholder keys, then
        # the fallbacks.
        count = len(grammar.AUXILIARIES)
        head, body = self.keys[:count], self.keys[count:]
        self.assertEqual(set(head), {k for k, _ in grammar.AUXILIARIES})
        self.assertEqual(set(body[-len(grammar.FALLBACKS):]),
                         set(grammar.FALLBACKS))
        self.assertTrue(all(k.startswith("〓") and " " in k
                            for k in body[:-len(grammar.FALLBACKS)]))
        for longer, shorter in [("is " + M + " not", "is " + M),
                                ("will not", "will"), ("will never", "never"),
                                ("will", "〓将 be")]:
            self.assertLess(head.index(longer), head.index(shorter))
        self.assertTrue(all(len(k) <= KEY_WIDTH for k in self.keys))
        self.assertEqual(len(self.keys), len(set(self.keys)))

    def test_every_placeholder_has_a_fallback(self):
        made = {p for _, v in grammar.AUXILIARIES
                for p in re.findall("〓.", v)}
        self.assertEqual(made, set(grammar.FALLBACKS))

    def test_be_has_no_keys_of_its_own(self):
        self.assertFalse(any(k.startswith("〓") and k.endswith(" be")
                             and k not in dict(grammar.AUXILIARIES)
                             for k in self.keys))

    def test_adjective_negatives(self):
        for value, expected in [("良い", ("良くない", "良くなかった")),
                                ("いい", ("よくない", "よくなかった")),
                                ("静かな", ("静かではない", "静かではなかった")),
                                ("木製の", ("木製ではない", "木製ではなかった")),
                                ("少ない", None), ("怖がって", None)]:
            self.assertEqual(grammar.adjective_negatives(value), expected,
                             value)


if __name__ == "__main__":
    unittest.main()
