// The errors that more than one part of the engine raises, each worded
// once, here.
#ifndef MIKAWASE_ERROR_MESSAGES_H_
#define MIKAWASE_ERROR_MESSAGES_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "mikawase/translation_error.h"

namespace mikawase {

// The input is not valid UTF-8 at byte `bad` of `part`. `lines_before` and
// `bytes_of_line_before` are what came before `part` (the LFs, and the
// bytes since the last of them), for input that comes in parts.
TranslationError InvalidInputError(std::string_view part, std::size_t bad,
                                   std::size_t lines_before = 0,
                                   std::size_t bytes_of_line_before = 0);

// What is known of the dictionary line behind a runaway growth.
enum class GrowthCause {
  kThisLine,        // the line named grew the text past the limit
  kBuiltInAfter,    // a built-in rule did, after the line named had made the text large
  kNoLine,          // a built-in rule did, and no dictionary line had run
  kUnnamedLine,     // some dictionary line did, but which is no longer known
};
TranslationError RunawayGrowthError(std::size_t limit, GrowthCause cause, std::string file = {},
                                    std::size_t line = 0);

// The system failed a service the rules need; `what` says which and why.
TranslationError SystemFailure(std::string what);

// The compiled dictionaries would pass an index the fast engine keeps in
// 32 bits; `what` says which.
TranslationError TooLargeError(std::string_view what);

}  // namespace mikawase

#endif  // MIKAWASE_ERROR_MESSAGES_H_
