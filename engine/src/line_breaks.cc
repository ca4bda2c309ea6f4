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

std::string CrLfToLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
    if (cr + 1 == text.size() || text[cr + 1] != '\n') continue;
    out.append(text, copied, cr - copied);
    copied = cr + 1;  // drop the CR, keep its LF
  }
  out.append(text, copied);
  return out;
}

}  // namespace mikawase
