// Left-over English spelling to katakana.
//
// Runs after every phrase, word and dictionary stage, so what is still Latin
// is mostly words no table knew. Within each family the longer pattern comes
// first ("ther" before "her" before "er", "lly" before "ly", "chi" before
// "ch"), and the "...ing " family before "ing " before "ng". A trailing space
// in a pattern ("se ", "tude ", "ing ", "ed ") means the end of a word.
#ifndef MIKAWASE_SPELLING_TABLE_H_
#define MIKAWASE_SPELLING_TABLE_H_

#include <iterator>

#include "rules/replacement_rule.h"

namespace mikawase {

inline constexpr ReplacementRule kSpelling[] = {
    // Vowel + r.
    {"ther",  "ザー"},
    {"ber",   "バー"},
    {"der",   "ダー"},
    {"her",   "ハー"},
    {"mer",   "マー"},
    {"per",   "パー"},
    {"ter",   "ター"},
    {"ver",   "バー"},
    {"wer",   "ワー"},
    {"yr",    "ヤー"},
    {"er",    "アー"},
    {"car",   "カー"},
    {"har",   "ハー"},
    {"lar",   "ラー"},
    {"mar",   "マー"},
    {"par",   "パー"},
    {"war",   "ワー"},
    {"ar",    "アー"},
    {"for",   "フォー"},
    {"mor",   "モー"},
    {"tor",   "ター"},
    {"wor",   "ワー"},
    {"or",    "アー"},
    {"bir",   "バー"},
    // Final y.
    {"cy",    "シー"},
    {"dy",    "ディ"},
    {"lly",   "リー"},
    {"ly",    "リー"},
    {"nny",   "ニー"},
    {"py",    "ピー"},
    {"rry",   "リー"},
    {"ry",    "リー"},
    {"thy",   "シー"},
    {"tty",   "ティ"},
    {"ty",    "ティ"},
    {"lley",  "リー"},
    // Endings.
    {"ous",   "アス"},
    {"roy",   "ロイ"},
    {"se ",   "ス "},
    {"tude ", "チュード "},
    {"bing ", "ビング "},
    {"king ", "キング "},
    {"ling ", "リング "},
    {"ming ", "ミング "},
    {"ning ", "ニング "},
    {"ping ", "ピング "},
    {"wing ", "ウィング "},
    {"ing ",  "イング "},
    {"ng",    "ン"},
    {"tion",  "ション"},
    {"sion",  "ション"},
    {"sho",   "ショ"},
    {"lle",   "レ"},
    {"ed ",   "ド "},
    // Clusters; "gh" is silent.
    {"nigh",  "ナイ"},
    {"gh",    ""},
    {"chi",   "チ"},
    {"ch",    "チ"},
    {"phe",   "フェ"},
    {"ck",    "ク"},
    {"lex",   "レクス"},
    {"ex",    "エクス"},
    {"xi",    "クシ"},
    // Two-letter syllables.
    {"whi",   "ウィ"},
    {"whe",   "ホェ"},
    {"ye",    "イェ"},
    {"wi",    "ウィ"},
    {"vi",    "ヴィ"},
    {"we",    "ウェ"},
    {"ve",    "ヴェ"},
    {"wo",    "ウォ"},
    {"ka",    "カ"},
    {"ga",    "ガ"},
    {"ki",    "キ"},
    {"ca",    "キャ"},
    {"cu",    "キュ"},
    {"qu",    "ク"},
    {"ke",    "ケ"},
    {"ge",    "ゲ"},
    {"co",    "コ"},
    {"go",    "ゴ"},
    {"sa",    "サ"},
    {"za",    "ザ"},
    {"si",    "シ"},
    {"ci",    "シ"},
    {"ji",    "ジ"},
    {"zi",    "ジ"},
    {"gi",    "ジ"},
    {"ju",    "ジュ"},
    {"je",    "ジェ"},
    {"jo",    "ジョ"},
};

static_assert(std::size(kSpelling) == 91);

}  // namespace mikawase

#endif  // MIKAWASE_SPELLING_TABLE_H_
