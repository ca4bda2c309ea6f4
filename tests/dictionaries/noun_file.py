"""The text as noun.txt meets it, and noun.txt's lines applied to it, for
the generator's tests: the built-in steps before the dictionaries that
matter to their keys, and one pass per line as the engine makes it (a
key also takes its plural)."""
import re

PLURAL_MARKER = "％１０００"
# What the built-in phrase table has made of these before noun.txt runs.
PHRASES = (("wants to", "がしたい事"), ("want to", "がしたい事"),
           ("had to", "がしなければならなかったのは"),
           ("should not", "がすべきでないことは"))


def as_dictionaries_meet(english):
    text = " " + english.replace("n't", " not").replace("I'm", "私は") \
        .replace("I ", "私 ").lower() + " "
    for phrase, japanese in PHRASES:
        text = text.replace(phrase, japanese)
    text = text.replace("'s ", " の ")
    text = re.sub(r"([.,?!])", lambda m: " %s " % "。、？！"[".,?!".index(
        m.group(1))], text)
    text = re.sub(" +", " ", text)
    return re.sub(r"s ", "s %s " % PLURAL_MARKER, text)


def apply_noun_file(text, rules):
    for key, value in rules:
        text = text.replace(" %s " % key, " %s " % value)
        text = text.replace(" %ss " % key, " %s " % value)
    return text
