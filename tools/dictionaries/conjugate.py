"""Japanese verb forms by the conjugation class EDICT gives each verb.

Only what the renderings need: the dictionary form, the past (た), the
te-form (for ている), the passive, the potential, the continuative stem
(before たい) and the negative. EDICT's classes:
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

# A godan verb's last kana in the i-row (the continuative: 書き) and the
# e-row (the potential: 書ける).
I_ROW = dict(zip("くぐすつぬぶむるう", "きぎしちにびみりい"))
E_ROW = dict(zip("くぐすつぬぶむるう", "けげせてねべめれえ"))


# Verbs that say already that something can be done or happens by itself:
# "couldn't understand" is 分からなかった, "can't see" 見えない, "can hear"
# 聞こえる. Their e-row forms are other verbs (分かれる "to part") or none
# at all (見えられる), so the potential is the verb itself.
SELF_POTENTIAL = {"分かる", "わかる", "判る", "解る", "見える", "聞こえる",
                  "できる", "出来る", "要る"}


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
            return self._split("る") + "られた" \
                if self.dictionary.endswith("来る") \
                else self._split("くる") + "こられた"
        if k in ("vs", "vs-i", "vs-s"):
            return self._split("する") + "された"
        return self._split("ずる") + "じられた"

    def passive(self):
        """書かれる, 食べられる, 勉強される."""
        return self.passive_past()[:-1] + "る"

    def passive_negative(self):
        return self.passive_past()[:-1] + "ない"

    def past_negative(self):
        return self.negative()[:-1] + "かった"

    def must(self):
        """行かなければならない."""
        return self.negative()[:-1] + "ければならない"

    def continuative(self):
        """The stem before たい and ます: 行き, 食べ, 勉強し, 来."""
        k = self.klass
        if k in GODAN:
            last = GODAN[k][0]
            return self._split(last) + I_ROW[last]
        if k == "v1":
            return self._split("る")
        if k == "vk":
            return self._split("る") if self.dictionary.endswith("来る") \
                else self._split("くる") + "き"
        if k in ("vs", "vs-i", "vs-s"):
            return self._split("する") + "し"
        return self._split("ずる") + "じ"

    def potential(self):
        """行ける, 食べられる, 勉強できる, 来られる; ある has none of its
        own and keeps あり得る's sense as ありうる."""
        if self.dictionary in SELF_POTENTIAL:
            return self.dictionary
        k = self.klass
        if k == "v5r-i":
            return self._split("る") + "りうる"
        if k in GODAN:
            last = GODAN[k][0]
            return self._split(last) + E_ROW[last] + "る"
        if k in ("v1", "vk"):
            return self._split("る") + "られる" \
                if self.dictionary.endswith(("来る", "る")) and k == "v1" \
                or self.dictionary.endswith("来る") \
                else self._split("くる") + "こられる"
        if k in ("vs", "vs-i"):
            return self._split("する") + "できる"
        if k == "vs-s":
            return self._split("する") + "せる"  # 愛せる
        return self._split("ずる") + "じられる"

    def potential_past(self):
        """行けた, 食べられた; 分かった where the verb is its own potential."""
        if self.dictionary in SELF_POTENTIAL:
            return self.past()
        if self.klass == "v5r-i":
            return self._split("る") + "りえた"
        return self.potential()[:-1] + "た"

    def potential_negative(self):
        if self.dictionary in SELF_POTENTIAL:
            return self.negative()
        if self.klass == "v5r-i":
            return self._split("る") + "りえない"
        return self.potential()[:-1] + "ない"

    def stem(self, spelling):
        """The part of a spelling of this verb (its headword or its kana
        reading) that stays the same in every form: what a language model
        that splits words from their endings counts (振 for 振る, 食べ for
        食べる, 勉強 for 勉強する). None for a class with no such stem."""
        k = self.klass
        if k in GODAN:
            ending = GODAN[k][0]
        elif k == "v1":
            ending = "る"
        elif k == "vs":
            return spelling
        elif k in ("vs-i", "vs-s"):
            ending = "する"
        elif k == "vz":
            ending = "ずる"
        else:
            return None
        if not spelling.endswith(ending) or len(spelling) == len(ending):
            return None
        return spelling[:-len(ending)]

    def without(self):
        """行かずに, 食べずに, 勉強せずに, 来ずに (こずに): "without" and
        the verb in -ing. None for ある, whose negative is ない alone."""
        k = self.klass
        if k == "v5r-i":
            return None
        if k in ("vs", "vs-i"):
            return self._split("する") + "せずに"
        if k == "vk" and not self.dictionary.endswith("来る"):
            return self._split("くる") + "こずに"
        return self.negative()[:-2] + "ずに"

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
