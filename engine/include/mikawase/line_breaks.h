// Line-break conventions at the edges of the engine.
//
// The rules expect line breaks as CR LF, as the window's text boxes on the
// original platform deliver them: they put spaces around CR LF so that the
// words on either side still match whole-word patterns, but leave a lone LF
// alone. Text from a Unix file or a Qt text box has LF; the window and the
// filter convert it here, at one place each way.
#ifndef MIKAWASE_LINE_BREAKS_H_
#define MIKAWASE_LINE_BREAKS_H_

#include <string>
#include <string_view>

namespace mikawase {

// Every LF that does not already follow a CR becomes CR LF. A lone CR stays
// a lone CR.
std::string ToCrLf(std::string_view text);

// The same in `text` itself. A text whose every LF already follows a CR
// (a Windows file) keeps its bytes where they are: for a whole input read
// into memory, a converted copy costs as much as reading it again.
void ToCrLfInPlace(std::string& text);

// Every CR LF pair becomes LF. A lone CR stays.
std::string CrLfToLf(std::string_view text);

// The same without a copy: calls put(part) for each stretch of `text`
// between the CRs of its CR LF pairs, in order; together they are
// CrLfToLf(text). For a writer that can take the text in parts.
template <typename Put>
void ForEachPartWithoutCrLf(std::string_view text, Put&& put) {
  std::size_t done = 0;
  for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
    if (cr + 1 == text.size() || text[cr + 1] != '\n') continue;
    put(text.substr(done, cr - done));
    done = cr + 1;  // drop the CR, keep its LF
  }
  put(text.substr(done));
}

}  // namespace mikawase

#endif  // MIKAWASE_LINE_BREAKS_H_
