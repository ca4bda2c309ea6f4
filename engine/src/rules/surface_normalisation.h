// Surface normalisation: everything that must happen before lowercasing.
#ifndef MIKAWASE_SURFACE_NORMALISATION_H_
#define MIKAWASE_SURFACE_NORMALISATION_H_

#include "rules/replacement_rule.h"

namespace mikawase {

// Capitalised names and words. Only the capitalised spellings match, since
// these run before lowercasing. Patterns without a trailing space also match
// inside longer words, so "Japanese" must come before "Japan"; "U.S." and
// "Mt." must come before the punctuation rules, which would break them up.
inline constexpr ReplacementRule kCapitalisedNames[] = {
    {"I ",        "私 "},
    {"And ",      "そして "},
    {"Alice",     "アリス"},
    {"Aristotle", "アリストテレス"},
    {"America",   "アメリカ"},
    {"Asia",      "アジア"},
    {"Britain",   "イギリス"},
    {"China",     "中国"},
    {"Chinese",   "中国語"},
    {"English",   "英語"},
    {"Hawaii",    "ハワイ"},
    {"Japanese",  "日本人"},
    {"Japan",     "日本"},
    {"Korea",     "朝鮮"},
    {"Swiss",     "スイス"},
    {"June",      "６月"},
    {"Saturday",  "土曜日"},
    {"U.S.",      "アメリカ"},
    {"Mt.",       "山"},
    {"What",      "なにが"},
};

// Each mark becomes its Japanese or fullwidth counterpart with a space on
// each side, so that the word patterns, which carry spaces at their ends,
// match next to it. Every period goes, also one inside a number.
inline constexpr ReplacementRule kPunctuation[] = {
    {".", " 。 "},
    {",", " 、 "},
    {"?", " ？ "},
    {"!", " ！ "},
    {";", " 、 "},
};

// Curly apostrophes and quotation marks, as word processors and web pages
// write them, become the straight ones that the contractions and the rules
// below are written with: "don’t" then reads as "don't".
inline constexpr ReplacementRule kCurlyMarks[] = {
    {"’", "'"},
    {"‘", "'"},
    {"“", "\""},
    {"”", "\""},
};

// Quotation marks, brackets, the colon and dashes stand against the word
// beside them ("Well, (see, said:), where no whole-word pattern can find
// it. Each is spaced out and kept as it is; the final space removal joins
// it to its neighbours again. The straight apostrophe and the hyphen stay
// inside their words ("don't", "well-known").
inline constexpr ReplacementRule kQuotesAndBrackets[] = {
    {"\"", " \" "},
    {"(",  " ( "},
    {")",  " ) "},
    {"[",  " [ "},
    {"]",  " ] "},
    {"{",  " { "},
    {"}",  " } "},
    {":",  " : "},
    {"—",  " — "},
    {"–",  " – "},
    {"--", " -- "},
};

// CR LF first, so that the second rule sees the CR of a pair too: a CR LF
// ends as two spaces, CR, space, LF, space; a lone CR as space, CR, space. A
// lone LF gets no spaces.
inline constexpr ReplacementRule kLineBreaks[] = {
    {"\r\n", " \r\n "},
    {"\r",   " \r "},
};

// "n't" becomes " not" whatever stands before it: "can't" gives "ca not".
inline constexpr ReplacementRule kContractions[] = {
    {"n't",   " not"},
    {"I'm",   "私は"},
    {"We're", "私達は"},
};

// One pass each: four spaces end as one, five as two.
inline constexpr ReplacementRule kSpaceCollapse[] = {
    {"   ", " "},
    {"  ",  " "},
};

}  // namespace mikawase

#endif  // MIKAWASE_SURFACE_NORMALISATION_H_
