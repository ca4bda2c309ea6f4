#include "work_text.h"

#include <string>

#include "lowercase.h"
#include "mikawase/translation_error.h"
#include "replace_all.h"

namespace mikawase {

[[noreturn]] static void ThrowRunawayGrowth(std::size_t limit, RuleOrigin origin) {
  std::string problem = "the text grew past the limit of " + std::to_string(limit) + " bytes";
  if (!origin.file.empty()) {
    problem += "; this dictionary line probably matches text that it or a line before it wrote";
  }
  throw TranslationError(ErrorKind::kRunawayGrowth, std::string(origin.file), origin.line,
                         problem);
}

void WorkText::Replace(std::string_view find, std::string_view replace, RuleOrigin origin) {
  // Most rules match nothing in most texts; skip the copy for those.
  if (find.empty() || text_.find(find) == std::string::npos) return;
  std::string result;
  if (!ReplaceAllWithin(text_, find, replace, limit_, &result)) ThrowRunawayGrowth(limit_, origin);
  text_ = std::move(result);
}

void WorkText::ApplyTable(RuleTable table) {
  for (const ReplacementRule& rule : table) Replace(rule.find, rule.replace);
}

void WorkText::Lowercase() {
  std::string lowered = LowercaseUtf8(text_);
  if (lowered.size() > limit_) ThrowRunawayGrowth(limit_, {});
  text_ = std::move(lowered);
}

}  // namespace mikawase
