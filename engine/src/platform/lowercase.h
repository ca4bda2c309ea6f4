// Lowercasing of a whole UTF-8 text with ICU's full Unicode case mapping.
#ifndef MIKAWASE_LOWERCASE_H_
#define MIKAWASE_LOWERCASE_H_

#include <string>
#include <string_view>

namespace mikawase {

// Full (not simple) case mapping in the root locale, so the result does not
// depend on the user's language settings; a letter may change its length
// ("İ" becomes "i" and a combining dot). `text` must be valid UTF-8.
std::string LowercaseUtf8(std::string_view text);

// The same, with the result in place of `text`.
void LowercaseUtf8InPlace(std::string& text);

}  // namespace mikawase

#endif  // MIKAWASE_LOWERCASE_H_
