// Phrases, joiners and plural marking: the first tables after lowercasing.
#ifndef MIKAWASE_PHRASE_TABLE_H_
#define MIKAWASE_PHRASE_TABLE_H_

#include "rules/replacement_rule.h"

namespace mikawase {

// Phrases. No pattern carries spaces at its ends, so each also matches inside
// longer text. Longer phrases come before the shorter ones they contain.
inline constexpr ReplacementRule kPhrases[] = {
    {"this is the reason why", "こんなわけで"},
    {"came to an end",         "が終わった"},
    {"fell in love with",      "が恋に落ちた相手は"},
    {"have a sweet tooth",     "は甘いものが好きだ"},
    {"has a sweet tooth",      "は甘いものが好きだ"},
    {"to tell the truth",      "本当のことを言えば"},
    {"was hard on",            "がつらくあたったのは"},
    {"should not",             "がすべきでないことは"},
    {"there were",             "そこにあったのは"},
    {"at first",               "最初は"},
    {"at least",               "少なくとも"},
    {"by halves",              "中途半端に"},
    {"each other",             "互いに"},
    {"good bye",               "さようなら"},
    {"for instance",           "例えば"},
    {"is subject to",          "が受けやすいのは"},
    {"more than",              "少なくとも"},
    {"of course",              "もちろん"},
    {"on fire",                "火事で"},
    {"post office",            "郵便局"},
    {"came from",              "の出身は"},
    {"come from",              "の出身は"},
    {"get on",                 "が乗るのは"},
    {"gets on",                "が乗るのは"},
    {"had to",                 "がしなければならなかったのは"},
    {"reffer to",              "が言及したのは"},
    {"went to",                "が行った所は"},
    {"went out",               "が消えた"},
    {"want to",                "がしたい事"},
    {"wants to",               "がしたい事"},
};

// Joiners, then the plural marker after every "s" that ends a word. The
// marker gives a word ending in "s" and the next word a space each, so a
// whole-word rule that eats the space after the first still finds one before
// the second; it is removed again after the katakana stage.
inline constexpr ReplacementRule kJoinersAndPluralMarking[] = {
    {"、 for",     "、というのも"},
    {"-looking ", " ように見える "},
    {"'s ",        " の "},
    {"s ",         "s ％１０００ "},
};

}  // namespace mikawase

#endif  // MIKAWASE_PHRASE_TABLE_H_
