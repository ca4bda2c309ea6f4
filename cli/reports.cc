#include "reports.h"

#include <algorithm>

namespace mikawase::cli {

namespace {

std::string Count(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string FormatFinding(const DictionaryFinding& finding) {
  std::string place = finding.file;
  if (finding.line > 0) place += ":" + std::to_string(finding.line);
  bool error = finding.severity == DictionaryFinding::Severity::kError;
  return place + ": " + (error ? "error: " : "warning: ") + finding.message;
}

std::string CheckSummary(const std::vector<DictionaryFinding>& findings, std::size_t files) {
  auto errors = static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(), [](const DictionaryFinding& finding) {
        return finding.severity == DictionaryFinding::Severity::kError;
      }));
  std::size_t warnings = findings.size() - errors;
  std::string checked = "checked " + Count(files, "dictionary file", "dictionary files");
  if (findings.empty()) return checked + ": no problems found";
  return checked + ": " + Count(errors, "error", "errors") + ", " +
         Count(warnings, "warning", "warnings");
}

std::string Visible(std::string_view text) {
  std::string shown;
  shown.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    switch (c) {
      case ' ': shown += "␣"; break;
      case '\r': shown += "\\r"; break;
      case '\n': shown += "\\n"; break;
      case '\t': shown += "\\t"; break;
      default: shown += c;
    }
  }
  return shown;
}

std::string FormatTraceStep(const TraceStep& step) {
  std::string origin = step.file.empty()
                           ? std::string(step.table) +
                                 (step.number > 0 ? " " + std::to_string(step.number) : "")
                           : std::string(step.file) + ":" + std::to_string(step.number);
  std::string change = step.find.empty() && step.replace.empty()
                           ? "every capital letter lowercased"
                           : Quoted(Visible(step.find)) + " → " + Quoted(Visible(step.replace)) + ", " +
                                 Count(step.count, "time", "times");
  return origin + ": " + change + "\n    " + Visible(step.text) + "\n";
}

}  // namespace mikawase::cli
