#!/usr/bin/env python3
"""Names of places and languages, and the everyday senses of words that
manuals use technically: the generator's choices on small stand-ins for
its sources, then the shipped files where they must show those choices
(the first line of noun.txt or adjective.txt that takes a key wins, as in
the program)."""
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from dictionaries import names, vocabulary  # noqa: E402
from dictionaries.kkc import FREQ_FLOOR  # noqa: E402


class FakeFreeDict:
    def __init__(self, entries):
        self.entries = entries

    def senses(self, english, role):
        if role == "name":
            english = english[:1].upper() + english[1:]
        return self.entries.get(english, {}).get(role, [])


class FakeFrequency:
    def __init__(self, log10):
        self.log10 = log10

    def of(self, headword, reading):
        return self.log10.get(headword, FREQ_FLOOR)


class ChooseNameTest(unittest.TestCase):
    FREEDICT = FakeFreeDict({
        "Italy": {"name": [["イタリア", "伊太利", "イタリー"]]},
        "Moscow": {"name": [["モスコー", "モスクワ"]]},
        "Rome": {"name": [["ローマ"]]},
        "Naples": {"name": [["ナポリ"]]},
        "Zork": {"name": [["ゾーク"]]},
        "Martha": {"name": [["マーサ", "マルタ"]]},
    })
    FREQ = FakeFrequency({"イタリア": -4.3, "イタリー": -5.8, "マルタ": -4.0,
                          "モスクワ": -4.5, "モスコー": -6.0,
                          "ローマ": -4.2, "ロマ": -5.5})

    # ENAMDICT's spellings of each as a place; "martha" has none (マルタ
    # is Malta's), so no frequency chooses its spelling.
    PLACES = {"italy": {"イタリー", "イタリア"}, "moscow": {"モスコー", "モスクワ"},
              "rome": {"ロマ", "ローム"}, "naples": {"ネープルス"}}

    def test_cases(self):
        # key, ENAMDICT's spellings cheapest first, with frequencies?,
        # expected
        for key, spellings, freq, expected in [
                # the most written spelling, whichever source lists it first
                ("italy", ["イタリー", "イタリア"], True, "イタリア"),
                ("moscow", ["モスコー", "モスクワ"], True, "モスクワ"),
                # without frequencies: ENAMDICT's first that FreeDict gives
                ("italy", ["イタリー", "イタリア"], False, "イタリー"),
                # FreeDict's exonym is weighed with the place's spellings
                ("rome", ["ロマ", "ローム"], True, "ローマ"),
                # no spelling known to the model: FreeDict's exonym
                ("naples", ["ネープルス"], True, "ナポリ"),
                # a person's spelling keeps the sources' order, however
                # often Japanese writes another word so spelt
                ("martha", ["マーサ", "マルタ"], True, "マーサ"),
                # nothing from FreeDict: ENAMDICT's first
                ("smith", ["スミス", "スミッス"], True, "スミス"),
                ("zork", [], False, "ゾーク"),
                ("nowhere", [], True, None)]:
            self.assertEqual(
                names.choose_name(key, spellings, self.FREEDICT,
                                  self.FREQ if freq else None,
                                  self.PLACES.get(key, ())),
                expected, (key, spellings, freq))


class PersonNamesTest(unittest.TestCase):
    def test_only_katakana_names_of_people(self):
        lines = ["ジョン /(g) John/",
                 "スミス /(s) Smith/",
                 "ちな /(f) China/",           # a Japanese name, romanised
                 "東京 [とうきょう] /(p,s) Tokyo/",
                 "ジャーマニー /(u) Germany/",  # of no kind of person
                 "パリ /(p) Paris/"]
        with tempfile.NamedTemporaryFile("wb", suffix=".enamdict",
                                         delete=False) as f:
            f.write(("\n".join(lines) + "\n").encode("euc_jp"))
        try:
            names.name_entries.cache_clear()
            people = names.read_person_names(f.name)
        finally:
            names.name_entries.cache_clear()
            os.unlink(f.name)
        self.assertEqual(people, {"john", "smith"})


class LanguageTest(unittest.TestCase):
    FREEDICT = FakeFreeDict({
        "French": {"adj": [["フランスの", "フランス"]],
                   "noun": [["仏語", "フランス語"], ["フランス人"]]},
        "Dutch": {"adj": [["オランダ"]], "noun": [["蘭語"]]},
    })

    def test_language_of(self):
        # the place's name and 語, never the short form; none without it
        self.assertEqual(vocabulary.language_of("french", self.FREEDICT),
                         "フランス語")
        self.assertIsNone(vocabulary.language_of("dutch", self.FREEDICT))
        self.assertIsNone(vocabulary.language_of("klingon", self.FREEDICT))


class FreeDictNamesTest(unittest.TestCase):
    class FakeWordNet:
        NOUNS = {"brussels": True, "shanghai": True, "amoy": True,
                 "bill": False, "elbe": True}

        def has(self, key, pos):
            return key in self.NOUNS

        def only_names(self, key):
            return self.NOUNS[key]

    def test_names_taken(self):
        freedict = FakeFreeDict({
            "Brussels": {"name": [["ブリュッセル"]]},
            "Shanghai": {"name": [["上海", "シャンハイ"]]},
            "Amoy": {"name": [["アモイ語"]]},        # neither script alone
            "Bill": {"name": [["ビル"]]},            # a word as well
            "Elbe": {"name": [["エルベ・ライン"]]},   # not a single name
            "Nowhere": {"name": [["ノーウェア"]]},    # not in WordNet
        })
        self.assertEqual(
            vocabulary.freedict_names(freedict, self.FakeWordNet()),
            {"brussels": "ブリュッセル", "shanghai": "上海"})


def read_first(path):
    table = {}
    with open(path, "rb") as f:
        for line in f.read().decode("cp932").splitlines():
            if not line.strip():
                continue
            key, value = line[:15].rstrip(" "), line[15:].strip()
            table.setdefault(key, value)
    return table


class ShippedFilesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        data = os.path.join(ROOT, "data")
        cls.table = read_first(os.path.join(data, "noun.txt"))
        for key, value in read_first(os.path.join(data,
                                                  "adjective.txt")).items():
            cls.table.setdefault(key, value)

    def test_keys(self):
        for key, expected in [
                ("tokyo", "東京"),          # a surname in ENAMDICT too
                ("germany", "ドイツ"),
                ("brussels", "ブリュッセル"),  # FreeDict's alone
                ("italy", "イタリア"),       # not ENAMDICT's イタリー
                ("moscow", "モスクワ"),
                ("window", "窓"),
                ("new window", "新しいウィンドウ"),
                ("key", "鍵"),
                ("enter key", "エンターキー"),
                ("home", "家"),
                ("in french", "フランス語で"),
                ("speak french", "が話すのはフランス語"),
                ("french", "フランスの")]:
            self.assertEqual(self.table.get(key), expected, key)


if __name__ == "__main__":
    unittest.main()
