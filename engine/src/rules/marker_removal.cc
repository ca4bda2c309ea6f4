// Removal of the plural markers, after the katakana stage.
#include "rules/rule_tables.h"

namespace mikawase {

namespace {

// The first rule takes the marker together with the "s" and the space before
// it, wherever that "s" is still a Latin letter: an untranslated word loses
// its final "s", plural or not. The second removes every marker left.
constexpr ReplacementRule kMarkerRemoval[] = {
    {"s ％１０００", ""},
    {"％１０００",   ""},
};

}  // namespace

RuleTable MarkerRemovalTable() { return kMarkerRemoval; }

}  // namespace mikawase
