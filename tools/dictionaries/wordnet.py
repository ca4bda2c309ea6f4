"""WordNet 3.0, as Debian's "wordnet-base" installs it (/usr/share/wordnet):
which parts of speech an English word has, how often each is met, which
verbs take an object, and the irregular forms.

How often: cntlist.rev counts how many times each sense was tagged in the
semantic concordance texts (a million words of the Brown corpus and a
novel). Added up by part of speech they tell a word that is mostly a verb
("hit", "swing", "miss") from one that is mostly a noun ("disk"). Senses
whose synset writes the word with a capital ("John" the apostle, "London")
are counted apart, as a name.

Which verbs take an object: every verb synset lists its sentence frames
("Somebody ----s something", "Something ----s"); a verb whose tagged
senses mostly have a frame with an object is transitive.
"""

import os
import re

DEFAULT_DIR = "/usr/share/wordnet"

POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
# Sense keys write the synset type as a digit; 5 is an adjective satellite,
# counted with the adjectives.
SS_TYPE = {"1": "n", "2": "v", "3": "a", "4": "r", "5": "a"}

# Frames with an object, a clause or a verb after the verb (the numbers of
# WordNet's frames; see wninput(5WN)): "Somebody ----s something",
# "Somebody ----s that CLAUSE", "Somebody ----s to INFINITIVE", ... but not
# "It ----s that CLAUSE" or "Something ----s INFINITIVE" ("it happens
# that", "it seems to"), whose subject is empty. A verb
# used so renders as a topic phrase with のは, for what follows it is what
# the verb is done to.
TRANSITIVE_FRAMES = {5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 24,
                     25, 26, 28, 29, 30, 31, 32, 33}


class WordNet:
    def __init__(self, folder=DEFAULT_DIR):
        self.offsets = {}      # (lemma, pos) -> synset offsets, by sense
        for pos, name in POS_FILES.items():
            with open(os.path.join(folder, "index." + name),
                      encoding="latin-1") as f:
                for line in f:
                    if line.startswith(" "):
                        continue  # the licence at the top
                    fields = line.split()
                    lemma, n_synsets = fields[0], int(fields[2])
                    self.offsets[lemma, pos] = fields[-n_synsets:]
        self.synsets = {}      # (pos, offset) -> (words, frame numbers)
        # (pos, offset) -> the derivationally related nouns of its words
        self.derivations = {}
        self.gloss_words = set()  # every word of the glosses and examples
        self.noun_files = {}   # noun offset -> its lexicographer file
        for pos, name in POS_FILES.items():
            with open(os.path.join(folder, "data." + name),
                      encoding="latin-1") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    self.synsets[pos, line[:8]] = parse_synset(line)
                    if pos == "n":
                        self.noun_files[line[:8]] = int(line.split(None, 2)[1])
                    if pos == "v":
                        self.derivations[pos, line[:8]] = \
                            parse_derivations(line)
                    gloss = line.partition(" | ")[2].lower()
                    self.gloss_words.update(re.findall(r"[a-z]+", gloss))
        self.sense_counts = {}  # (lemma, pos) -> {sense number: count}
        with open(os.path.join(folder, "cntlist.rev"),
                  encoding="latin-1") as f:
            for line in f:
                key, number, count = line.split()
                lemma, _, rest = key.partition("%")
                pos = SS_TYPE[rest[0]]
                senses = self.sense_counts.setdefault((lemma, pos), {})
                senses[int(number)] = senses.get(int(number), 0) + int(count)
        self.exceptions = {}   # (form, pos) -> base forms
        for pos, name in POS_FILES.items():
            with open(os.path.join(folder, name + ".exc"),
                      encoding="latin-1") as f:
                for line in f:
                    form, *bases = line.split()
                    self.exceptions[form, pos] = bases

    def has(self, lemma, pos):
        return (lemma, pos) in self.offsets

    def _senses(self, lemma, pos):
        """(count, words of the synset, frames) for each sense in order."""
        counts = self.sense_counts.get((lemma, pos), {})
        for number, offset in enumerate(self.offsets.get((lemma, pos), ()),
                                        1):
            words, frames = self.synsets[pos, offset]
            yield counts.get(number, 0), words, frames

    def first_noun_files(self):
        """{noun: the lexicographer file of its first sense} (18 people,
        28 time: see lexnames(5WN))."""
        return {lemma: self.noun_files[offsets[0]]
                for (lemma, pos), offsets in self.offsets.items()
                if pos == "n" and offsets}

    def count(self, lemma, pos):
        """Tagged occurrences of the word as a common word of the part of
        speech; senses that write it with a capital are names."""
        return sum(c for c, words, _ in self._senses(lemma, pos)
                   if not is_name(lemma, words))

    def name_count(self, lemma):
        return sum(c for c, words, _ in self._senses(lemma, "n")
                   if is_name(lemma, words))

    def only_names(self, lemma):
        """True when every noun sense of the word is a name and it is no
        other part of speech."""
        if any(self.has(lemma, p) for p in "var"):
            return False
        return all(is_name(lemma, words)
                   for _, words, _ in self._senses(lemma, "n"))

    def transitive(self, lemma):
        """True when the verb's senses, weighted by how often each is met
        (one more for every sense, so that untagged verbs count their
        senses), mostly take an object."""
        with_object = without = 0.0
        for count, _, frames in self._senses(lemma, "v"):
            weight = count + 1
            if frames & TRANSITIVE_FRAMES:
                with_object += weight
            else:
                without += weight
        return with_object >= without

    def derived_nouns(self, lemma):
        """The nouns WordNet derives from a verb ("arrival" from "arrive",
        "approval" from "approve"), each with the tagged occurrences of the
        verb's senses it is derived from, plus one for each sense, so that
        a noun of the verb's frequent sense weighs most."""
        nouns = {}
        for number, offset in enumerate(self.offsets.get((lemma, "v"), ()),
                                        1):
            count = self.sense_counts.get((lemma, "v"), {}).get(number, 0)
            words, _ = self.synsets["v", offset]
            for source, target_offset, target in \
                    self.derivations.get(("v", offset), ()):
                if source and words[source - 1].lower() != lemma:
                    continue
                noun_words, _ = self.synsets["n", target_offset]
                noun = noun_words[target - 1].lower()
                if target and noun.isalpha():
                    nouns[noun] = nouns.get(noun, 0) + count + 1
        return nouns

    def bases(self, form, pos):
        """The irregular base forms WordNet lists for an inflected form."""
        return self.exceptions.get((form, pos), [])

    def irregular_forms(self, pos):
        """(form, base) for every irregular form of the part of speech."""
        for (form, p), bases in sorted(self.exceptions.items()):
            if p == pos:
                for base in bases:
                    yield form, base

    def irregular_by_base(self, pos):
        """base -> its irregular forms, for the part of speech."""
        found = {}
        for form, base in self.irregular_forms(pos):
            found.setdefault(base, []).append(form)
        return found

    def in_use(self, spelling):
        """True when the spelling occurs in WordNet's own glosses and
        examples: a word of current English."""
        return spelling in self.gloss_words

    def lemmas(self, pos):
        return sorted(lemma for lemma, p in self.offsets if p == pos)


def parse_synset(line):
    """The words (as written, with case) and the verb frames of a data line."""
    fields = line.split(" | ")[0].split()
    n_words = int(fields[3], 16)
    words = [fields[4 + 2 * i] for i in range(n_words)]
    words = [w.split("(")[0] for w in words]  # adjective markers: "big(a)"
    rest = fields[4 + 2 * n_words:]
    n_pointers = int(rest[0])
    rest = rest[1 + 4 * n_pointers:]
    frames = set()
    if rest and rest[0] != "|" and len(rest) > 1:
        n_frames = int(rest[0])
        for i in range(n_frames):
            frames.add(int(rest[2 + 3 * i]))
    return words, frames


def parse_derivations(line):
    """(source word, noun synset offset, target word) for each pointer of a
    data line to a derivationally related noun ("+"); word numbers from
    1, 0 for the whole synset."""
    fields = line.split(" | ")[0].split()
    n_words = int(fields[3], 16)
    rest = fields[4 + 2 * n_words:]
    found = []
    for i in range(int(rest[0])):
        symbol, offset, pos, words = rest[1 + 4 * i:5 + 4 * i]
        if symbol == "+" and pos == "n":
            found.append((int(words[:2], 16), offset, int(words[2:], 16)))
    return found


def is_name(lemma, words):
    """True when the synset writes the lemma only with capitals: a name."""
    spelled = [w for w in words if w.lower() == lemma]
    return bool(spelled) and all(w != w.lower() for w in spelled)
