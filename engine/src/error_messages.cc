#include "error_messages.h"

#include <algorithm>
#include <cstdio>

namespace mikawase {

TranslationError InvalidInputError(std::string_view part, std::size_t bad,
                                   std::size_t lines_before, std::size_t bytes_of_line_before) {
  // The line counts LFs, as an editor does; the byte is counted within it,
  // so that a caller that knows the file can point there.
  std::string_view before = part.substr(0, bad);
  std::size_t line = lines_before + 1 +
                     static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  std::size_t line_start = before.rfind('\n');
  std::size_t column = line_start == std::string_view::npos ? bytes_of_line_before + bad + 1
                                                            : bad - line_start;
  char byte[8];
  std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(part[bad]));
  return TranslationError(ErrorKind::kInvalidInput, "", line,
                          "the text is not valid UTF-8 (byte " + std::string(byte) + " at byte " +
                              std::to_string(column) + " of the line)");
}

TranslationError RunawayGrowthError(std::size_t limit, GrowthCause cause, std::string file,
                                    std::size_t line) {
  std::string problem = "the text grew past the limit of " + std::to_string(limit) + " bytes";
  switch (cause) {
    case GrowthCause::kThisLine:
      problem += "; this dictionary line probably matches text that it or a line before it wrote";
      break;
    case GrowthCause::kBuiltInAfter:
      problem += " in a built-in rule, after this dictionary line had made it large";
      break;
    case GrowthCause::kNoLine:
      break;
    case GrowthCause::kUnnamedLine:
      problem += "; a dictionary line probably matches text that it or a line before it wrote";
      break;
  }
  return TranslationError(ErrorKind::kRunawayGrowth, std::move(file), line, problem);
}

TranslationError SystemFailure(std::string what) {
  return TranslationError(ErrorKind::kSystemFailure, "", 0, std::move(what));
}

TranslationError TooLargeError(std::string_view what) {
  return TranslationError(ErrorKind::kTooLarge, "", 0,
                          "the dictionaries are too large to compile: " + std::string(what) +
                              "; split them, or leave out what is not needed");
}

}  // namespace mikawase
