#!/usr/bin/env python3
"""The generator's word forms, without its sources: Japanese conjugation by
EDICT class, English verb forms from WordNet's kind of exception list,
plurals and comparison. Each table pins forms a wrong rule would get wrong
in its own way (a godan ending, a doubled consonant, a past told from a
participle)."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from dictionaries.conjugate import Verb  # noqa: E402
from dictionaries.english import (comparison_forms, plural,  # noqa: E402
                                  verb_forms)
from dictionaries.verbs import renderings  # noqa: E402


class ConjugationTest(unittest.TestCase):
    # headword, class, past, te-form, passive past, negative
    CASES = [
        ("食べる", "v1", "食べた", "食べて", "食べられた", "食べない"),
        ("書く", "v5k", "書いた", "書いて", "書かれた", "書かない"),
        ("泳ぐ", "v5g", "泳いだ", "泳いで", "泳がれた", "泳がない"),
        ("話す", "v5s", "話した", "話して", "話された", "話さない"),
        ("打つ", "v5t", "打った", "打って", "打たれた", "打たない"),
        ("死ぬ", "v5n", "死んだ", "死んで", "死なれた", "死なない"),
        ("遊ぶ", "v5b", "遊んだ", "遊んで", "遊ばれた", "遊ばない"),
        ("読む", "v5m", "読んだ", "読んで", "読まれた", "読まない"),
        ("取る", "v5r", "取った", "取って", "取られた", "取らない"),
        ("言う", "v5u", "言った", "言って", "言われた", "言わない"),
        ("行く", "v5k-s", "行った", "行って", "行かれた", "行かない"),
        ("ある", "v5r-i", "あった", "あって", "あられた", "ない"),
        ("問う", "v5u-s", "問うた", "問うて", "問われた", "問わない"),
        ("来る", "vk", "来た", "来て", "来られた", "来ない"),
        ("旅行", "vs", "旅行した", "旅行して", "旅行された", "旅行しない"),
        ("愛する", "vs-s", "愛した", "愛して", "愛された", "愛さない"),
        ("信ずる", "vz", "信じた", "信じて", "信じられた", "信じない"),
    ]

    def test_forms(self):
        for headword, klass, past, te, passive, negative in self.CASES:
            verb = Verb(headword, klass)
            self.assertEqual(
                (verb.past(), verb.te(), verb.passive_past(),
                 verb.negative()), (past, te, passive, negative),
                "%s (%s)" % (headword, klass))

    # headword, class, potential, its negative, passive, its negative,
    # must, continuative: the forms a verb takes after a modal or with
    # "not" (the potential's e-row and られる, and the irregular ones).
    MODAL_CASES = [
        ("食べる", "v1", "食べられる", "食べられない", "食べられる",
         "食べられない", "食べなければならない", "食べ"),
        ("書く", "v5k", "書ける", "書けない", "書かれる", "書かれない",
         "書かなければならない", "書き"),
        ("泳ぐ", "v5g", "泳げる", "泳げない", "泳がれる", "泳がれない",
         "泳がなければならない", "泳ぎ"),
        ("待つ", "v5t", "待てる", "待てない", "待たれる", "待たれない",
         "待たなければならない", "待ち"),
        ("買う", "v5u", "買える", "買えない", "買われる", "買われない",
         "買わなければならない", "買い"),
        ("行く", "v5k-s", "行ける", "行けない", "行かれる", "行かれない",
         "行かなければならない", "行き"),
        ("ある", "v5r-i", "ありうる", "ありえない", "あられる", "あられない",
         "なければならない", "あり"),
        ("来る", "vk", "来られる", "来られない", "来られる", "来られない",
         "来なければならない", "来"),
        ("くる", "vk", "こられる", "こられない", "こられる", "こられない",
         "こなければならない", "き"),
        ("勉強", "vs", "勉強できる", "勉強できない", "勉強される",
         "勉強されない", "勉強しなければならない", "勉強し"),
        ("愛する", "vs-s", "愛せる", "愛せない", "愛される", "愛されない",
         "愛さなければならない", "愛し"),
        ("信ずる", "vz", "信じられる", "信じられない", "信じられる",
         "信じられない", "信じなければならない", "信じ"),
        # Verbs that say ability or perception themselves: 分かれる is
        # "to part", not "can understand".
        ("分かる", "v5r", "分かる", "分からない", "分かられる",
         "分かられない", "分からなければならない", "分かり"),
        ("見える", "v1", "見える", "見えない", "見えられる", "見えられない",
         "見えなければならない", "見え"),
    ]

    # The potential's past: 書けた, and the verbs that are their own
    # potential in their own past.
    POTENTIAL_PASTS = [("書く", "v5k", "書けた"), ("食べる", "v1", "食べられた"),
                       ("勉強", "vs", "勉強できた"), ("分かる", "v5r", "分かった"),
                       ("聞こえる", "v1", "聞こえた"), ("ある", "v5r-i", "ありえた")]

    def test_potential_past(self):
        for headword, klass, past in self.POTENTIAL_PASTS:
            self.assertEqual(Verb(headword, klass).potential_past(), past,
                             "%s (%s)" % (headword, klass))

    def test_modal_forms(self):
        for headword, klass, *forms in self.MODAL_CASES:
            verb = Verb(headword, klass)
            self.assertEqual(
                [verb.potential(), verb.potential_negative(), verb.passive(),
                 verb.passive_negative(), verb.must(), verb.continuative()],
                forms, "%s (%s)" % (headword, klass))
        self.assertEqual(Verb("書く", "v5k").past_negative(), "書かなかった")

    # The stem a language model that splits off endings counts, for the
    # headword and for the kana reading alike; None where no part stays.
    STEMS = [
        ("振る", "v5r", "振る", "振"), ("振る", "v5r", "ふる", "ふ"),
        ("食べる", "v1", "食べる", "食べ"), ("勉強", "vs", "勉強", "勉強"),
        ("科する", "vs-s", "科する", "科"), ("信ずる", "vz", "信ずる", "信"),
        ("来る", "vk", "来る", None), ("る", "v5r", "る", None),
    ]

    def test_stems(self):
        for headword, klass, spelling, stem in self.STEMS:
            self.assertEqual(Verb(headword, klass).stem(spelling), stem,
                             "%s (%s)" % (spelling, klass))

    def test_unknown_class_and_misfit_headword_are_refused(self):
        with self.assertRaises(ValueError):
            Verb("ござる", "v4r")
        with self.assertRaises(ValueError):
            Verb("食べる", "v5k").past()

    def test_topic_phrase_only_with_an_object(self):
        hit = renderings(Verb("打つ", "v5t"), transitive=True)
        go = renderings(Verb("行く", "v5k-s"), transitive=False)
        self.assertEqual((hit["base"], hit["past"], hit["ing"], hit["pp"]),
                         ("が打つのは", "が打ったのは", "が打っているのは",
                          "打たれた"))
        self.assertEqual((go["base"], go["pp"], go["to"]),
                         ("が行く", "行った", "行くこと"))


class EnglishFormsTest(unittest.TestCase):
    # base, WordNet's listed forms, then the forms that must come out
    VERBS = [
        ("walk", [], {"s": ["walks"], "past": ["walked"], "pp": ["walked"],
                      "ing": ["walking"]}),
        ("go", ["went", "gone"], {"s": ["goes"], "past": ["went"],
                                  "pp": ["gone"], "ing": ["going"]}),
        ("sing", ["sang", "sung", "singing"], {"past": ["sang"],
                                              "pp": ["sung"]}),
        ("begin", ["began", "begun", "beginning"], {"past": ["began"],
                                                   "pp": ["begun"]}),
        ("hit", ["hitting"], {"past": ["hit"], "ing": ["hitting"]}),
        ("stop", ["stopped", "stopping"], {"past": ["stopped"],
                                          "ing": ["stopping"]}),
        ("learn", ["learnt"], {"past": ["learnt", "learned"]}),
        ("try", [], {"s": ["tries"], "past": ["tried"], "ing": ["trying"]}),
        ("make", ["made"], {"past": ["made"], "pp": ["made"],
                            "ing": ["making"], "eth": ["maketh"]}),
        ("die", ["dying"], {"past": ["died"], "ing": ["dying"]}),
        ("be", ["am", "are", "is", "was", "were", "been", "being"],
         {"s": ["is"], "past": ["was", "were"], "pp": ["been"]}),
        # A participle listed alone leaves the past regular, or the base
        # itself where the participle only adds -en; a past in -one stays
        # the past.
        ("prove", ["proven"], {"past": ["proved"],
                               "pp": ["proven", "proved"]}),
        ("show", ["shown"], {"past": ["showed"], "pp": ["shown", "showed"]}),
        ("beat", ["beaten"], {"past": ["beat"], "pp": ["beaten", "beat"]}),
        ("shine", ["shone"], {"past": ["shone"], "pp": ["shone"]}),
    ]

    def test_verb_forms(self):
        for base, listed, expected in self.VERBS:
            forms = verb_forms(base, listed)
            for form, spellings in expected.items():
                self.assertEqual(forms[form], spellings, "%s %s" % (base,
                                                                   form))

    def test_regular_form_beside_a_listed_one_only_where_in_use(self):
        in_use = {"worked"}.__contains__
        self.assertEqual(verb_forms("work", ["wrought"], in_use)["past"],
                         ["wrought", "worked"])
        self.assertEqual(verb_forms("see", ["saw", "seen"], in_use)["past"],
                         ["saw"])

    def test_plurals(self):
        for single, expected in [("city", "cities"), ("box", "boxes"),
                                 ("knife", "knives"), ("child", "children"),
                                 ("tomato", "tomatoes"), ("day", "days"),
                                 ("policeman", "policemen"),
                                 ("human", "humans"), ("ice cream",
                                                       "ice creams")]:
            self.assertEqual(plural(single), expected)

    def test_comparison(self):
        for base, listed, er, est in [
                ("long", [], ["longer"], ["longest"]),
                ("wide", [], ["wider"], ["widest"]),
                ("easy", ["easier", "easiest"], ["easier"], ["easiest"]),
                ("big", ["bigger", "biggest"], ["bigger"], ["biggest"]),
                ("bad", ["worse", "worst"], ["worse"], ["worst"])]:
            self.assertEqual(comparison_forms(base, listed),
                             {"er": er, "est": est}, base)


class EverydayVerbTest(unittest.TestCase):
    """core_words.EVERYDAY_VERBS: a reviewed verb that is no candidate of
    its English word, in the class EDICT gives it, found among the
    candidates of any word; one that is no EDICT verb is refused."""

    def test_everyday_verb(self):
        from dictionaries import core_words, verbs
        from dictionaries.choosing import Candidate

        def c(value, pos):
            return Candidate(1.0, value, value, 1, value,
                             pos=frozenset(pos))
        # 買う is a candidate of "buy" only, 掛かる of "take" only, a
        # noun taking する of "telephone call"; "afford" offers 与える.
        index = verbs.everyday_verbs_index(
            {"buy": [c("買う", {"v5u", "vt"})],
             "take": [c("掛かる", {"v5r", "vi"}), c("取る", {"v5r"})],
             "afford": [c("与える", {"v1", "vt"})]},
            {"telephone call": [c("電話", {"n", "vs", "adj-no"})]})
        cases = [("afford", {"afford": "買う"}, "買えない"),
                 ("cost", {"cost": "掛かる"}, "掛からない"),
                 ("call", {"call": "電話"}, "電話しない"),
                 ("afford", {"afford": "賄う"}, ValueError)]
        for english, table, expected in cases:
            with self.subTest(english=english, table=table):
                saved = core_words.EVERYDAY_VERBS
                core_words.EVERYDAY_VERBS = table
                try:
                    if expected is ValueError:
                        with self.assertRaises(ValueError):
                            verbs.japanese_verb(english, [], True, None,
                                                edict_verbs=index)
                        continue
                    verb = verbs.japanese_verb(
                        english, [c("与える", {"v1", "vt"})], True, None,
                        edict_verbs=index)
                    got = verb.potential_negative() \
                        if english == "afford" else verb.negative()
                    self.assertEqual(got, expected)
                finally:
                    core_words.EVERYDAY_VERBS = saved


if __name__ == "__main__":
    unittest.main()
