// The word table, applied after the noun and adjective dictionaries.
//
// A pattern with a space at each end matches whole words only; "especially"
// to "learn", "speak" to "where" and "your", "very", "want" have no spaces
// and also match inside longer words; " some" matches the start of any word
// beginning with "some". Verbs become topic phrases (" like " is "the one
// that is liked is"); copulas and auxiliaries are dropped at the end.
#ifndef MIKAWASE_WORD_TABLE_H_
#define MIKAWASE_WORD_TABLE_H_

#include <iterator>

#include "rules/replacement_rule.h"

namespace mikawase {

inline constexpr ReplacementRule kWords[] = {
    {"especially", "特に"},
    {"everywhere", "どこでも"},
    {"contained",  "が含んでいたのは"},
    {"actually",   "実際に"},
    {"recently",   "最近"},
    {"suddenly",   "突然"},
    {"adopted",    "が採用したのは"},
    {"central",    "中央の"},
    {"however",    "しかし"},
    {"studded",    "はちりばめられている"},
    {"called",     "が呼ぶのは"},
    {"melted",     "溶けた"},
    {"please",     "お願いですが、"},
    {"every",      "毎"},
    {"heard",      "が聞いたのは"},
    {"hello",      "こんにちは"},
    {"learn",      "が習っているのは"},
    {" sleep ",    " は寝る "},
    {"speak",      "が話すのは"},
    {"their",      "彼らの"},
    {"there",      "そこに"},
    {"these",      "これら"},
    {"think",      "が考えるのは"},
    {"today",      "今日は"},
    {"where",      "どこで"},
    // No space after the result: it joins the word that follows.
    {" best ",     " 一番の"},
    {" draw ",     " が描いているのは "},
    {" hate ",     " が嫌いなのは "},
    {" have ",     " が持っているのは "},
    {" help ",     " が助けたのは "},
    {" know ",     " が知っているのは "},
    {" like ",     " が好きなのは "},
    {" lived ",    " が住んでいたのは "},
    {" mean ",     " が意味するのは "},
    {" most ",     " 一番 "},
    {" much ",     " とても "},
    {" need ",     " が必要なのは "},
    {" once ",     " 一度 "},
    {" said ",     " が言ったのは "},
    {" show ",     " が示すのは "},
    {" some",      " いくつかの"},
    {" that ",     " その "},
    {" they ",     " それら "},
    {" then ",     " そして "},
    {" this ",     " これ "},
    {" tell ",     " が話すのは "},
    {" told ",     " が話したのは "},
    // No spaces in the result: it joins the word before, which then no
    // longer matches a later whole-word rule.
    {" tons ",     "トン"},
    {"your",       "あなたの"},
    {"very",       "とても"},
    {"want",       "が欲しいのは"},
    {" add ",      " が追加したのは "},
    {" and ",      " そして "},
    {" any ",      " どんな "},
    {" ate ",      " が食べたのは "},
    {" but ",      " しかし "},
    {" die ",      " が死ぬ "},
    {" eat ",      " が食べるのは "},
    {" had ",      " が持っていたのは "},
    {" her ",      " 彼女 "},
    {" his ",      " 彼の "},
    {" how ",      " どのくらい "},
    {" now ",      " 今 "},
    {" our ",      " 私たちの "},
    {" saw ",      " が見たのは "},
    {" say ",      " が言うのは "},
    {" see ",      " が見るのは "},
    {" the ",      " その "},
    {" you ",      " あなた "},
    {" who ",      " 誰 "},
    {" why ",      " なぜ "},
    {" won ",      " は勝った "},
    {" an ",       " 一つの "},
    {" do ",       " する "},
    {" go ",       " が行く "},
    {" he ",       " 彼 "},
    {" if ",       " もし "},
    {" in ",       " それがあるのは "},
    {" it ",       " それ "},
    {" me ",       " 私 "},
    {" my ",       " 私の "},
    {" of ",       " の "},
    {" or ",       " あるいは "},
    {" to ",       " その対象は "},
    {" a ",        " 一つの "},
    // Copulas and auxiliaries disappear. " do " stands twice: the rendering
    // above takes the first of two in a row, this one the second.
    {" is ",       " "},
    {" are ",      " "},
    {" am ",       " "},
    {" was ",      " "},
    {" were ",     " "},
    {" do ",       " "},
    {" did ",      " "},
};

static_assert(std::size(kWords) == 92);

}  // namespace mikawase

#endif  // MIKAWASE_WORD_TABLE_H_
