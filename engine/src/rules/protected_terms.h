// Protected terms and letter codes.
//
// Six acronyms must leave the translation with their capitals, although the
// text is lowercased and run through hundreds of English patterns. Each is
// replaced, letter by letter, by a letter code: a fullwidth "％" and four
// fullwidth digits, which no English pattern, lowercasing or space removal
// can touch. Capitals are numbered 1 to 26, small letters 31 to 56. The
// terms also match inside longer words ("CPUs" keeps its "s").
#ifndef MIKAWASE_PROTECTED_TERMS_H_
#define MIKAWASE_PROTECTED_TERMS_H_

#include "rules/replacement_rule.h"

namespace mikawase {

inline constexpr ReplacementRule kProtectedTerms[] = {
    {"ActiveX", "％０００１％００３３％００５０％００３９％００５２％００３５％００２４"},
    {"CGI",     "％０００３％０００７％０００９"},
    {"CPU",     "％０００３％００１６％００２１"},
    {"HTML",    "％０００８％００２０％００１３％００１２"},
    {"USB",     "％００２１％００１９％０００２"},
    {"PTA",     "％００１６％００２０％０００１"},
};

// Every letter the six terms use, plus V, p and u. Any other code, one typed
// by the user for instance, stays in the output as it is.
inline constexpr ReplacementRule kLetterCodes[] = {
    {"％０００１", "A"},
    {"％０００２", "B"},
    {"％０００３", "C"},
    {"％０００７", "G"},
    {"％０００８", "H"},
    {"％０００９", "I"},
    {"％００１２", "L"},
    {"％００１３", "M"},
    {"％００１６", "P"},
    {"％００１９", "S"},
    {"％００２０", "T"},
    {"％００２１", "U"},
    {"％００２２", "V"},
    {"％００２４", "X"},
    {"％００３３", "c"},
    {"％００３５", "e"},
    {"％００３９", "i"},
    {"％００４６", "p"},
    {"％００５０", "t"},
    {"％００５１", "u"},
    {"％００５２", "v"},
};

}  // namespace mikawase

#endif  // MIKAWASE_PROTECTED_TERMS_H_
