// Lowercasing of a whole UTF-8 text: A to Z everywhere, other letters by
// the platform's case mapping (case_mapping.h).
#ifndef MIKAWASE_LOWERCASE_H_
#define MIKAWASE_LOWERCASE_H_

#include <string>
#include <string_view>

namespace mikawase {

// The result does not depend on the user's language settings; a letter may
// change its length ("İ" becomes "i" and a combining dot with ICU). `text`
// must be valid UTF-8.
std::string LowercaseUtf8(std::string_view text);

// The same, with the result in place of `text`.
void LowercaseUtf8InPlace(std::string& text);

}  // namespace mikawase

#endif  // MIKAWASE_LOWERCASE_H_
