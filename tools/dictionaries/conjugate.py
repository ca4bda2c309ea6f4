"""Japanese verb forms by the conjugation class EDICT gives each verb.

Only what the renderings need: the dictionary form, the past (た), the
te-form (for ている), the passive past and the negative. EDICT's classes:
v1 (ichidan, 食べる), v5x (godan, by the last kana: v5k 書く, v5g 泳ぐ, v5s
話す, v5t 打つ, v5n 死ぬ, v5b 遊ぶ, v5m 読む, v5r 取る, v5u 言う), the
irregular v5k-s (行く), v5r-i (ある), v5u-s (問う), v5aru (いらっしゃる), vk
(来る), vs-i (する and verbs ending in it), vs-s (愛する) and vz (信ずる),
and vs: a noun that becomes a verb with する (勉強 → 勉強する).
"""

# Godan verbs by class: the last kana, then the kana that replace it in the
# past (with た or だ), before the passive's れる, and before ない.
GODAN = {
    "v5k": ("く", "いた", "か"), "v5g": ("ぐ", "いだ", "が"),
    "v5s": ("す", "した", "さ"), "v5t": ("つ", "った", "た"),
    "v5n": ("ぬ", "んだ", "な"), "v5b": ("ぶ", "んだ", "ば"),
    "v5m": ("む", "んだ", "ま"), "v5r": ("る", "った", "ら"),
    "v5u": ("う", "った", "わ"), "v5k-s": ("く", "った", "か"),
    "v5r-i": ("る", "った", "ら"), "v5u-s": ("う", "うた", "わ"),
    "v5aru": ("る", "った", "ら"),
}
CLASSES = set(GODAN) | {"v1", "vk", "vs", "vs-i", "vs-s", "vz"}


class Verb:
    """A Japanese verb in its dictionary form and the forms made from it."""

    def __init__(self, headword, verb_class):
        if verb_class not in CLASSES:
            raise ValueError("no conjugation for %s (%s)"
                             % (headword, verb_class))
        self.klass = verb_class
        # A vs noun becomes its verb with する; the others are verbs already.
        self.dictionary = headword + "する" if verb_class == "vs" \
            else headword

    def _split(self, ending):
        if not self.dictionary.endswith(ending):
            raise ValueError("%s does not end in %s" % (self.dictionary,
                                                         ending))
        return self.dictionary[:-len(ending)]

    def past(self):
        k = self.klass
        if k in GODAN:
            last, past, _ = GODAN[k]
            return self._split(last) + past
        if k == "v1":
            return self._split("る") + "た"
        if k == "vk":
            return self._split("来る") + "来た" \
                if self.dictionary.endswith("来る") \
                else self._split("くる") + "きた"
        if k in ("vs", "vs-i", "vs-s"):
            return self._split("する") + "した"
        return self._split("ずる") + "じた"  # vz

    def te(self):
        past = self.past()
        return past[:-1] + ("で" if past.endswith("だ") else "て")

    def passive_past(self):
        k = self.klass
        if k in GODAN:
            last, _, a_row = GODAN[k]
            return self._split(last) + a_row + "れた"
        if k == "v1":
            return self._split("る") + "られた"
        if k == "vk":
            return self._split("る") + "られた"  # 来られた, こられた
        if k in ("vs", "vs-i", "vs-s"):
            return self._split("する") + "された"
        return self._split("ずる") + "じられた"

    def negative(self):
        k = self.klass
        if k == "v5r-i":
            return "ない"  # ある: its negative is ない alone
        if k in GODAN:
            last, _, a_row = GODAN[k]
            return self._split(last) + a_row + "ない"
        if k == "v1":
            return self._split("る") + "ない"
        if k == "vk":
            return self._split("る") + "ない" \
                if self.dictionary.endswith("来る") \
                else self._split("くる") + "こない"
        if k == "vs-s":
            return self._split("する") + "さない"  # 愛さない
        if k in ("vs", "vs-i"):
            return self._split("する") + "しない"
        return self._split("ずる") + "じない"
