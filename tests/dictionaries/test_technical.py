"""The shipped noun dictionary gives today's senses of the words manuals
use most, and keeps the everyday sense where the novels use the word."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from test_names import ROOT, read_first  # noqa: E402


class TodaysSensesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.table = read_first(os.path.join(ROOT, "data", "noun.txt"))

    def check(self, rows):
        for key, expected in rows:
            self.assertEqual(self.table.get(key), expected, key)

    def test_technical_sense_wins(self):
        self.check([
            ("section", "セクション"),      # 部分 misled
            ("target", "ターゲット"),       # 標的, a marksman's
            ("multiple", "複数"),           # 多重
            ("existing", "既存"),           # 従来の
            ("pane", "ペイン"),             # 板
            ("elf", "ＥＬＦ"),              # 妖精
            ("standard output", "標準出力"),
            ("memory usage", "メモリ使用量"),
            ("behavior", "動作")])

    def test_everyday_sense_stays(self):
        # Words the novels use in their own sense, which no batch of
        # manual words may take.
        self.check([
            ("memory", "記憶"),
            ("behaviour", "行動"),
            ("object", "物"),
            ("event", "出来事"),
            ("window", "窓")])


if __name__ == "__main__":
    unittest.main()
