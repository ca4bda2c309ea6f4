// The built-in rule tables, in the order the pipeline applies them. Each
// table lives in its own file, named for it, and reads like the table it is.
#ifndef MIKAWASE_RULE_TABLES_H_
#define MIKAWASE_RULE_TABLES_H_

#include "rules/replacement_rule.h"

namespace mikawase {

// protected_terms.cc: six acronyms to letter codes, and the codes back.
RuleTable ProtectedTermsTable();
RuleTable LetterCodeTable();

// surface_normalisation.cc: the sub-steps before lowercasing.
RuleTable CapitalisedNamesTable();
RuleTable PunctuationTable();
RuleTable LineBreakTable();
RuleTable ContractionsTable();
RuleTable SpaceCollapseTable();

// phrase_table.cc: phrases, then joiners and plural marking.
RuleTable PhraseTable();
RuleTable JoinersAndPluralMarkingTable();

// word_table.cc: words, after the noun and adjective dictionaries.
RuleTable WordTable();

// spelling_table.cc: left-over English spelling to katakana.
RuleTable SpellingTable();

// marker_removal.cc: the plural markers, after the katakana stage.
RuleTable MarkerRemovalTable();

// The last step: every ASCII space goes.
RuleTable SpaceRemovalTable();

}  // namespace mikawase

#endif  // MIKAWASE_RULE_TABLES_H_
