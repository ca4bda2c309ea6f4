"""Writing the dictionary files: the order of the lines, the fixed
columns, code page 932 and CR LF."""

from .edict import KEY_WIDTH
from .english import plural
from .exclusions import excluded


def noun_lines(nouns, adjectives):
    """The noun rules in the order they must be applied."""
    lines = {}
    for key in sorted(nouns):
        lines[key] = nouns[key]
    extra = {}
    for key in sorted(nouns):
        form = plural(key)
        if form and form != key + "s" and form not in nouns \
                and form not in adjectives and not excluded(form) \
                and len(form) <= KEY_WIDTH:
            extra.setdefault(form, nouns[key])
    lines.update(extra)
    # A key that is another key plus "s" is a plural with its own meaning
    # ("glasses", "manners"); it must run before the singular line, whose
    # plural rule would otherwise take it.
    lexical = sorted(k for k in lines if k.endswith("s") and k[:-1] in lines)
    two_words = sorted(k for k in lines if " " in k and k not in lexical)
    rest = sorted(k for k in lines if " " not in k and k not in lexical)
    return [(k, lines[k]) for k in two_words + lexical + rest]


def adjective_lines(adjectives):
    two_words = sorted(k for k in adjectives if " " in k)
    rest = sorted(k for k in adjectives if " " not in k)
    return [(k, adjectives[k]) for k in two_words + rest]


def format_line(key, value):
    if len(key) > KEY_WIDTH or key != key.rstrip(" "):
        raise ValueError("bad key %r" % key)
    return key.ljust(KEY_WIDTH) + value


def write(path, rules):
    text = "".join(format_line(k, v) + "\r\n" for k, v in rules)
    with open(path, "wb") as f:
        f.write(text.encode("cp932"))


