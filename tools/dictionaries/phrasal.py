"""Phrasal verbs after an auxiliary: "didn't give up" 諦めなかった.

A verb and its particle mean what neither means alone ("give up" is not
"give" 与える and "up" 上へ), so a negation or a modal before them reads
right only when its key holds all three: "〓昔 give up" (the placeholder of
"did not", grammar.py) is 諦めなかった. The keys of the phrasal verb alone,
without an auxiliary, are a matter for the idioms; these are the ones an
auxiliary stands before.

Chosen as the phrasal verbs of everyday speech (getting up and going
out, switching things on and off, looking for and finding out), each with
the Japanese verb a learner's dictionary gives for it: (Japanese
dictionary form, EDICT conjugation class, takes an object).
"""

PHRASAL_VERBS = {
    ("get", "up"): ("起きる", "v1", False),
    ("wake", "up"): ("目覚める", "v1", False),
    ("give", "up"): ("諦める", "v1", True),
    ("turn", "off"): ("消す", "v5s", True),
    ("turn", "on"): ("つける", "v1", True),
    ("switch", "off"): ("消す", "v5s", True),
    ("switch", "on"): ("つける", "v1", True),
    ("put", "on"): ("着る", "v1", True),
    ("take", "off"): ("脱ぐ", "v5g", True),
    ("look", "for"): ("探す", "v5s", True),
    ("look", "after"): ("世話", "vs", True),
    ("find", "out"): ("分かる", "v5r", False),
    ("pick", "up"): ("拾う", "v5u", True),
    ("go", "out"): ("出かける", "v1", False),
    ("come", "back"): ("戻る", "v5r", False),
    ("go", "back"): ("戻る", "v5r", False),
    ("come", "in"): ("入る", "v5r", False),
    ("sit", "down"): ("座る", "v5r", False),
    ("stand", "up"): ("立つ", "v5t", False),
    ("grow", "up"): ("育つ", "v5t", False),
    ("show", "up"): ("現れる", "v1", False),
    ("break", "down"): ("壊れる", "v1", False),
    ("calm", "down"): ("落ち着く", "v5k", False),
    ("give", "back"): ("返す", "v5s", True),
    ("throw", "away"): ("捨てる", "v1", True),
    ("write", "down"): ("書き留める", "v1", True),
    ("turn", "down"): ("断る", "v5r", True),
    ("put", "off"): ("延期", "vs", True),
    ("set", "up"): ("設定", "vs", True),
    ("hang", "up"): ("切る", "v5r", False),
    ("run", "away"): ("逃げる", "v1", False),
    ("get", "off"): ("降りる", "v1", False),
    ("carry", "on"): ("続ける", "v1", True),
    ("fill", "in"): ("記入", "vs", True),
}
