// Removal of the plural markers, after the katakana stage.
#ifndef MIKAWASE_MARKER_REMOVAL_H_
#define MIKAWASE_MARKER_REMOVAL_H_

#include "rules/replacement_rule.h"

namespace mikawase {

// The first rule takes the marker together with the "s" and the space before
// it, wherever that "s" is still a Latin letter: an untranslated word loses
// its final "s", plural or not. The second removes every marker left.
inline constexpr ReplacementRule kMarkerRemoval[] = {
    {"s ％１０００", ""},
    {"％１０００",   ""},
};

}  // namespace mikawase

#endif  // MIKAWASE_MARKER_REMOVAL_H_
