// Watching a translation rule by rule, for the people who edit the
// dictionaries: which rules changed the text, in which order, and what
// the text was after each.
#ifndef MIKAWASE_TRACE_H_
#define MIKAWASE_TRACE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "mikawase/translate.h"

namespace mikawase {

struct TraceStep {
  // A built-in rule: its table's name and its number there, from 1. A
  // dictionary line: the file as opened and the line. Lowercasing, which
  // is no rule, has the table name "lowercasing" and number 0.
  std::string_view table;
  std::string_view file;
  std::size_t number = 0;
  std::string_view find;
  std::string_view replace;
  std::size_t count = 0;   // occurrences replaced
  std::string_view text;   // the whole text after the rule
};

// Everything a step refers to lives only for the call.
using TraceObserver = std::function<void(const TraceStep& step)>;

// Translates as TranslateWithDictionaries does, with the literal engine,
// whose order of rules is the definition, and calls `observe` after every
// rule that changed the text. The result and the errors are the same as
// without the trace.
std::string TranslateWithTrace(std::string_view input, const DictionaryFolders& folders,
                               const TraceObserver& observe);

}  // namespace mikawase

#endif  // MIKAWASE_TRACE_H_
