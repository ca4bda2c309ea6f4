// The platform's own lowercasing of characters beyond ASCII: ICU's full
// case mapping in the root locale on Linux, LCMapStringEx in the invariant
// locale on Windows. Neither depends on the user's language settings. They
// differ beyond A to Z (ICU lowers a final capital sigma to "ς" and "İ" to
// "i" and a combining dot; Windows maps one UTF-16 unit at a time), which no
// rule depends on.
#ifndef MIKAWASE_PLATFORM_CASE_MAPPING_H_
#define MIKAWASE_PLATFORM_CASE_MAPPING_H_

#include <string>
#include <string_view>

namespace mikawase {

// Appends `piece`, valid UTF-8 without ASCII white space, lowercased.
void AppendLoweredByPlatform(std::string_view piece, std::string* out);

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_CASE_MAPPING_H_
