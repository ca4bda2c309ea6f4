#!/usr/bin/env python3
"""The prepositions read after their noun (prepositions.py, through
idioms.build), run as the engine runs a noun file on text as the
dictionaries meet it; the word table's own "in" and "to" stand in for what
runs after the dictionaries."""
import os
import re
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from noun_file import apply_noun_file, as_dictionaries_meet  # noqa: E402
from dictionaries import idioms, prepositions  # noqa: E402
from dictionaries.edict import KEY_WIDTH  # noqa: E402
from dictionaries.english import verb_forms  # noqa: E402

M = idioms.PLURAL_MARKER
# The built-in table's words that the dictionaries leave to it.
AFTER = {"in": "それがあるのは", "to": "その対象は", "the": "その"}


def shown(text):
    words = [AFTER.get(w, w) for w in text.replace(M, "").split()]
    return "".join(words)


class PrepositionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # WordNet's files stand in by kinds: what a noun's first sense is.
        kinds = {"morning": prepositions.LEX_TIME,
                 "mother": prepositions.LEX_PERSON,
                 "sister": prepositions.LEX_PERSON}
        cls.rules = idioms.build(
            lambda verb: verb_forms(verb, []),
            agents=[("house", "家"), ("file", "ファイル"), ("mother", "母"),
                    ("sister", "姉妹"), ("morning", "朝"), ("news", "ニュース"),
                    ("new", "新"), ("warning", "警告"),
                    ("message", "メッセージ")],
            agent_adjectives=[("old", "古い"), ("famous", "有名な")],
            nouns_before_relative=[("directory", "ディレクトリ"),
                                   ("something", "何か")],
            later=[("according to", "によれば"), ("log in", "ログイン"),
                   ("the use", "その使用"), ("a lot", "たくさん")],
            kinds=kinds)

    def render(self, english):
        return shown(apply_noun_file(as_dictionaries_meet(english),
                                     self.rules))

    def test_the_particle_follows_its_noun(self):
        cases = [
            ("he lives in the house", "その家で"),
            ("sent to the file", "sentそのファイルに"),
            ("taken from his house", "taken彼の家から"),
            ("lay on the file", "そのファイルの上に"),
            ("wrote about my house", "私の家について"),
            # A plural takes its singular's line; "this" has its marker.
            ("kept in these files", "これらのファイルで"),
            ("read in this file", "このファイルで"),
            # Adjectives and the first noun of a compound carry the
            # particle on to the last word they know.
            ("lives in the old house", "その古い家で"),
            ("written to the famous old file", "その有名な古いファイルに"),
            ("stored in the directory file", "そのディレクトリファイルで"),
            ("printed with a warning message", "一つの警告メッセージで"),
            # After a noun, only the head of a compound goes on.
            ("kept in the file house", "そのファイルでhouse"),
            ("in the same house", "その同じ家で"),
            # A noun of time and a person have their own particle; a
            # person's "'s" goes on to what is owned.
            ("came in the morning", "その朝に"),
            ("went with her mother", "彼女の母と"),
            ("went with her mother's sister", "彼女の母の姉妹と"),
            ("to the house in the morning", "その家にその朝に"),
            # Object pronouns, and "her" alone as the pronoun.
            ("spoke to him", "彼に"), ("gave it to her", "彼女に"),
            ("went with them", "彼らと"),
            # The vocabulary's own keys of several words stay whole: one
            # ending in a preposition, a determiner's noun, and a reading
            # that is no noun.
            ("according to the file", "によればその"),
            ("log in to the house", "ログインその家に"),
            ("in the use", "その使用で"),
            ("in a lot", "それがあるのはたくさん"),
            # "news" is a noun of its own, not the plural of "new".
            ("in the news", "そのニュースで"),
            # The infinitive's "to" is none of these.
            ("to read the file", "その対象はread"),
        ]
        for english, wanted in cases:
            with self.subTest(english=english):
                got = self.render(english)
                self.assertIn(wanted, got)
                self.assertNotIn("〓", got)

    def test_no_known_word_reads_as_before(self):
        # Where nothing known follows, the preposition reads as word by
        # word; after a word it moved past, as its particle.
        cases = [
            ("lives in the bodleian", "それがあるのはそのbodleian"),
            ("sent to his xyzzy", "その対象は彼のxyzzy"),
            ("in the old xyzzy", "その古いでxyzzy"),
            ("came from her", "彼女から"),
            ("lives in her xyzzy", "それがあるのは彼女xyzzy"),
        ]
        for english, wanted in cases:
            with self.subTest(english=english):
                got = self.render(english)
                self.assertIn(wanted, got)
                self.assertNotIn("〓", got)

    def test_keys_fit_and_placeholders_are_their_own(self):
        keys = [k for k, _ in self.rules]
        self.assertTrue(all(len(k) <= KEY_WIDTH for k in keys))
        self.assertEqual(len(keys), len(set(keys)))
        mine = prepositions.placeholders()
        self.assertEqual(len(mine), 2 * len(prepositions.PREPOSITIONS))
        others = set(re.findall("〓.", "".join(
            k + v for k, v in idioms.build(lambda verb: verb_forms(verb, []))
            if not any(p in k + v for p in mine))))
        self.assertFalse(mine & others)
        # Every value reads without Latin letters; only a placeholder
        # follows a space.
        for key, value in self.rules:
            if any(p in key + value for p in mine):
                with self.subTest(key=key):
                    self.assertNotRegex(value, "[a-z]")
                    for part in value.split(" ")[1:]:
                        self.assertIn(part, mine)


if __name__ == "__main__":
    unittest.main()
