#include "literal/work_text.h"

#include <limits>
#include <string>

#include "error_messages.h"
#include "literal/replace_all.h"
#include "mikawase/translation_error.h"
#include "platform/lowercase.h"

namespace mikawase {

namespace {

constexpr std::size_t kGrowthAllowance = std::size_t{64} << 20;  // 64 MiB
constexpr std::size_t kGrowthFactor = 32;

// As ReplaceAll counts them: left to right, never overlapping.
std::size_t CountOccurrences(std::string_view text, std::string_view find) {
  std::size_t count = 0;
  for (std::size_t at = text.find(find); at != std::string_view::npos;
       at = text.find(find, at + find.size())) {
    ++count;
  }
  return count;
}

}  // namespace

std::size_t GrowthLimit(std::size_t input_bytes) {
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  if (input_bytes > (kMax - kGrowthAllowance) / kGrowthFactor) return kMax;
  return kGrowthAllowance + kGrowthFactor * input_bytes;
}

void WorkText::ThrowRunawayGrowth(RuleOrigin origin) const {
  if (!origin.file.empty()) {
    throw RunawayGrowthError(limit_, GrowthCause::kThisLine, std::string(origin.file), origin.line);
  }
  if (!last_file_.empty()) {
    throw RunawayGrowthError(limit_, GrowthCause::kBuiltInAfter, last_file_, last_line_);
  }
  throw RunawayGrowthError(limit_, GrowthCause::kNoLine);
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
  std::size_t count = observer_ != nullptr && find != replace ? CountOccurrences(text_, find) : 0;
  text_ = std::move(result);
  if (count > 0) observer_->Changed(origin, find, replace, count, text_);
}

void WorkText::ApplyTable(RuleTable table, std::string_view name) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    Replace(table[i].find, table[i].replace, {{}, 0, name, i + 1});
  }
}

void WorkText::Lowercase(std::string_view name) {
  std::string lowered = LowercaseUtf8(text_);
  if (lowered.size() > limit_) ThrowRunawayGrowth({});
  bool changed = observer_ != nullptr && lowered != text_;
  text_ = std::move(lowered);
  if (changed) observer_->Changed({{}, 0, name, 0}, "", "", 1, text_);
}

}  // namespace mikawase
