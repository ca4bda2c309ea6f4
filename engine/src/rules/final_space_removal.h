// The last step of every translation.
#ifndef MIKAWASE_FINAL_SPACE_REMOVAL_H_
#define MIKAWASE_FINAL_SPACE_REMOVAL_H_

#include "rules/replacement_rule.h"

namespace mikawase {

// Every ASCII space goes, so that the result reads as running Japanese text;
// other white space (U+3000, CR, LF, tab) stays.
inline constexpr ReplacementRule kSpaceRemoval[] = {
    {" ", ""},
};

}  // namespace mikawase

#endif  // MIKAWASE_FINAL_SPACE_REMOVAL_H_
