#!/usr/bin/env bash
# Writes the benchmark inputs into DIR (default: build/bench-inputs):
#
#   english-{2k,100k,1m}.txt       real English with CR LF line ends
#   english-{2k,100k,1m}-line.txt  the same text as one single line
#   synthetic/{noun,adjective,rome}.txt  a 50,000-line dictionary set
#   pairs/{noun,adjective,rome}.txt  a noun file of two-word keys: 20 of the
#                                  text's common words become placeholders,
#                                  each followed by 1,500 of its words
#   unique-words-10m.txt           10 MB of made-up words, none repeated: the
#                                  worst case for remembering words
#
# The English is Jane Austen's novels (public domain) as Debian's
# r-cran-janeaustenr package ships them; nobody here wrote it. Cuts fall on
# character boundaries (the text is ASCII but for a few accented letters).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/bench-inputs}
mkdir -p "$dir"

if ! command -v Rscript >/dev/null || ! Rscript -e 'library(janeaustenr)' >/dev/null 2>&1; then
  echo "benchmark inputs need Debian's r-cran-janeaustenr: apt-get install r-cran-janeaustenr" >&2
  exit 1
fi
Rscript -e 'library(janeaustenr); writeLines(c(emma, prideprejudice, persuasion, mansfieldpark), useBytes = TRUE)' \
  > "$dir/austen.txt"

python3 - "$dir" <<'PY'
import os, random, sys
d = sys.argv[1]
text = open(os.path.join(d, "austen.txt"), encoding="utf-8").read()
for name, size in (("2k", 2 * 1024), ("100k", 100 * 1024), ("1m", 1024 * 1024)):
    cut = text[:size]
    while len(cut.encode("utf-8")) > size:
        cut = cut[:-1]
    with open(os.path.join(d, f"english-{name}.txt"), "wb") as f:
        f.write(cut.replace("\n", "\r\n").encode("utf-8"))
    with open(os.path.join(d, f"english-{name}-line.txt"), "wb") as f:
        f.write(" ".join(cut.split("\n")).encode("utf-8"))

# 50,000 lines: 40,000 nouns, 8,000 adjectives, 2,000 spellings. Keys are
# made-up lowercase words, values Japanese; fixed seed, so every run writes
# the same files.
rng = random.Random(50000)
kana = "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
def word(low, high):
    return "".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(low, high)))
def line(key, value):
    return (key.ljust(15) + value).encode("cp932") + b"\r\n"
os.makedirs(os.path.join(d, "synthetic"), exist_ok=True)
for name, count, low, high in (("noun", 40000, 4, 12), ("adjective", 8000, 4, 12), ("rome", 2000, 2, 4)):
    with open(os.path.join(d, "synthetic", name + ".txt"), "wb") as f:
        for _ in range(count):
            f.write(line(word(low, high), "".join(rng.choice(kana) for _ in range(rng.randint(1, 6)))))

# After the dictionaries, so that they stay as they were.
with open(os.path.join(d, "unique-words-10m.txt"), "wb") as f:
    words, size = [], 0
    while size < 10 * 1000 * 1000:
        words.append(word(3, 9))
        size += len(words[-1]) + 1
    f.write("\r\n".join(" ".join(words[i:i + 12]) for i in range(0, len(words), 12)).encode())

# Two-word keys the way auxiliaries and their verbs are keyed: a common
# word becomes a placeholder, then keys of placeholder and word follow, so
# that the engine must look at neighbouring words together all through
# the text. Taken from the text's own words, most frequent first; a
# random source of its own, so that the files above stay as they were.
pair_rng = random.Random(1520)
counts = {}
for w in text.lower().split():
    w = "".join(c for c in w if "a" <= c <= "z")
    if 2 <= len(w) <= 12:
        counts[w] = counts.get(w, 0) + 1
common = sorted(counts, key=lambda w: (-counts[w], w))
auxiliaries, seconds = common[:20], common[20:1520]
os.makedirs(os.path.join(d, "pairs"), exist_ok=True)
with open(os.path.join(d, "pairs", "noun.txt"), "wb") as f:
    marks = "一二三四五六七八九十百千万上下左右中大小"[:len(auxiliaries)]
    for aux, mark in zip(auxiliaries, marks):
        f.write(line(aux, "〓" + mark))
    for mark in marks:
        for w in seconds:
            f.write(line("〓" + mark + " " + w, "".join(pair_rng.choice(kana) for _ in range(pair_rng.randint(2, 6)))))
for name in ("adjective", "rome"):
    open(os.path.join(d, "pairs", name + ".txt"), "wb").close()
PY
ls -l "$dir" "$dir/synthetic" "$dir/pairs"
