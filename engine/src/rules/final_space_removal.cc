// The last step of every translation.
#include "rules/rule_tables.h"

namespace mikawase {

namespace {

// Every ASCII space goes, so that the result reads as running Japanese text;
// other white space (U+3000, CR, LF, tab) stays.
constexpr ReplacementRule kSpaceRemoval[] = {
    {" ", ""},
};

}  // namespace

RuleTable SpaceRemovalTable() { return kSpaceRemoval; }

}  // namespace mikawase
