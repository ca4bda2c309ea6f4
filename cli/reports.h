// How the filter words what --check found and what --trace saw.
#ifndef MIKAWASE_CLI_REPORTS_H_
#define MIKAWASE_CLI_REPORTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "mikawase/dictionary_check.h"
#include "mikawase/trace.h"

namespace mikawase::cli {

// "FILE:LINE: error: MESSAGE", or "FILE: warning: MESSAGE" for a whole
// file, as compilers write them, so that editors can jump to the place.
std::string FormatFinding(const DictionaryFinding& finding);

// The line after the findings: how many of each, or that there were none.
std::string CheckSummary(const std::vector<DictionaryFinding>& findings, std::size_t files);

// Two lines: where the rule comes from ("punctuation 1" for a built-in
// rule, "FILE:LINE" for a dictionary line), what it replaced by what and
// how often; then the text after it, indented, with spaces shown as "␣"
// and CR, LF and tabs as \r, \n and \t, so that what the whole-word rules
// see is visible.
std::string FormatTraceStep(const TraceStep& step);

// `text` with its spaces and control characters made visible, as above.
std::string Visible(std::string_view text);

}  // namespace mikawase::cli

#endif  // MIKAWASE_CLI_REPORTS_H_
