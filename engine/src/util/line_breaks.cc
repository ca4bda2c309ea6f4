#include "mikawase/line_breaks.h"

namespace mikawase {

// Both copy the text between line breaks in blocks: a document is a few
// line breaks in a great deal of text.

std::string ToCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  std::size_t copied = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    if (lf > 0 && text[lf - 1] == '\r') continue;
    out.append(text, copied, lf - copied);
    out += '\r';
    copied = lf;  // the LF itself goes with the next block
  }
  out.append(text, copied);
  return out;
}

void ToCrLfInPlace(std::string& text) {
  for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1)) {
    if (lf == 0 || text[lf - 1] != '\r') {
      text = ToCrLf(text);
      return;
    }
  }
}

std::string CrLfToLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachPartWithoutCrLf(text, [&out](std::string_view part) { out += part; });
  return out;
}

}  // namespace mikawase
