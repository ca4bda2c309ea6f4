#include "literal/work_text.h"

#include <string>

#include "literal/replace_all.h"
#include "mikawase/translation_error.h"
#include "platform/lowercase.h"

namespace mikawase {

void WorkText::ThrowRunawayGrowth(RuleOrigin origin) const {
  std::string problem = "the text grew past the limit of " + std::to_string(limit_) + " bytes";
  if (!origin.file.empty()) {
    problem += "; this dictionary line probably matches text that it or a line before it wrote";
    throw TranslationError(ErrorKind::kRunawayGrowth, std::string(origin.file), origin.line,
                           problem);
  }
  if (!last_file_.empty()) {
    problem += " in a built-in rule, after this dictionary line had made it large";
  }
  throw TranslationError(ErrorKind::kRunawayGrowth, last_file_, last_line_, problem);
}

void WorkText::Replace(std::string_view find, std::string_view replace, RuleOrigin origin) {
  if (!origin.file.empty()) {
    if (last_file_ != origin.file) last_file_ = origin.file;
    last_line_ = origin.line;
  }
  // Most rules match nothing in most texts; skip the copy for those.
  if (find.empty() || text_.find(find) == std::string::npos) return;
  std::string result;
  if (!ReplaceAllWithin(text_, find, replace, limit_, &result)) ThrowRunawayGrowth(origin);
  text_ = std::move(result);
}

void WorkText::ApplyTable(RuleTable table) {
  for (const ReplacementRule& rule : table) Replace(rule.find, rule.replace);
}

void WorkText::Lowercase() {
  std::string lowered = LowercaseUtf8(text_);
  if (lowered.size() > limit_) ThrowRunawayGrowth({});
  text_ = std::move(lowered);
}

}  // namespace mikawase
