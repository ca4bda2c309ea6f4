#!/usr/bin/env python3
"""The held-out sentences' judge: how an answer matches a rendering, the
readings each set forbids, and the marks spaced apart by hand. Each case
is one a looser or stricter matcher would get wrong."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from judge_sentences import (SET_CHECKS, Answer, AnswerError,  # noqa: E402
                             judge_row, read_set, spaced)


class AnswerTest(unittest.TestCase):
    # answer, rendering, holds
    CASES = [
        # Pieces follow each other directly: a negative ending right after
        # the stem, not before it nor somewhere else.
        ("行か @NEG", "私が行かない。", True),
        ("行か @NEG", "私が行かなかった。", True),
        ("好き @NEG", "私はコーヒーが好きではない。", True),
        ("好き|好ま @NEG", "私しないが好きなのはコーヒー", False),
        ("行か @NEG", "行かれた", False),
        # "~" lets anything stand between; order still counts.
        ("牛乳 ~ @ABSENT", "冷蔵庫に牛乳がない", True),
        ("牛乳 ~ @ABSENT", "無い牛乳", False),
        ("牛乳 ~ @ABSENT / @ABSENT 牛乳", "無い牛乳", True),
        # A macro among literal alternatives.
        ("戻る と|@WILL", "後で戻ると言った", True),
        ("戻る と|@WILL", "戻るだろう", True),
        ("戻る と|@WILL", "だろう戻る", False),
        # The passive's れ after the given stem; an ichidan stem carries
        # its ら, so the potential 食べれる is no passive.
        ("食べら @PASS", "ケーキが食べられた", True),
        ("食べら @PASS", "ケーキが食べれた", False),
        ("書か @PASS", "その手紙が書いたのは", False),
        # "!" forbids; a forbidden answer holds when nothing of it occurs.
        ("!誰|どの", "隣に住む男は医者だ", True),
        ("!誰|どの", "その男誰住む", False),
        # Alternatives of a whole pattern.
        ("デフォルト|既定 / 初期設定", "初期設定のポート", True),
    ]

    def test_cases(self):
        for answer, rendering, holds in self.CASES:
            self.assertEqual(Answer(answer).holds(rendering), holds,
                             "%r on %r" % (answer, rendering))

    def test_bad_answers_are_refused(self):
        for bad in ("", "!", "行か @NOPE", "行か||行け", "行か  @NEG"):
            with self.assertRaises(AnswerError, msg=repr(bad)):
                Answer(bad)


class SetChecksTest(unittest.TestCase):
    # set, rendering, spaced rendering, failing checks
    CASES = [
        ("negation", "私しないが好きなのはコーヒー", None,
         ['"not ..., but" readings']),
        ("negation", "私はコーヒーが好きではない", None, []),
        ("negation", "牛乳がない", None, []),
        ("modals", "彼しないだろうが来る", None, ["concessive readings"]),
        ("modals", "彼は来るだろう", None, []),
        ("quotes", '"ウェル、私が思う', '"よく、私が思う',
         ["rows reading otherwise than with the marks apart"]),
        ("quotes", "“よく、私が思う”", '"よく、私が思う"', []),
        ("quotes", "ドンt", "しない",
         ["rows with Latin letters",
          "rows reading otherwise than with the marks apart"]),
    ]

    def test_cases(self):
        for name, out, spaced_out, failing in self.CASES:
            self.assertEqual(
                judge_row([], SET_CHECKS[name], out, spaced_out), failing,
                "%s: %r" % (name, out))


class SpacedTest(unittest.TestCase):
    CASES = [
        ('"Well, I think so," she said.', ' " Well, I think so, "  she said.'),
        ("I don\u2019t know.", "I don't know."),
        ("\u201cStop!\u201d", ' " Stop! " '),
        ("the door\u2014and", "the door \u2014 and"),
        ("one--if", "one -- if"),
        ("Note: (see below) [x]", "Note :   ( see below )   [ x ] "),
        # The hyphen inside a word stays.
        ("a well-known man", "a well-known man"),
    ]

    def test_cases(self):
        for sentence, expected in self.CASES:
            self.assertEqual(spaced(sentence), expected)


class ReadSetTest(unittest.TestCase):
    def test_rows_and_errors_name_the_line(self):
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False,
                                         encoding="utf-8") as f:
            f.write("# comment\n\nI go.\t行く\t!行か @NEG\nNo answer here.\n")
        try:
            with self.assertRaisesRegex(AnswerError, r":4: a sentence"):
                read_set(f.name)
            with open(f.name, "w", encoding="utf-8") as g:
                g.write("# comment\n\nI go.\t行く\t!行か @NEG\n")
            [(number, sentence, answers)] = read_set(f.name)
            self.assertEqual((number, sentence, len(answers)), (3, "I go.", 2))
        finally:
            os.unlink(f.name)


if __name__ == "__main__":
    unittest.main()
