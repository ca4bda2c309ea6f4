// The text under translation, and the guard against runaway growth.
#ifndef MIKAWASE_WORK_TEXT_H_
#define MIKAWASE_WORK_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "rules/replacement_rule.h"

namespace mikawase {

// Where a replacement came from, so that a growth failure can name the
// dictionary line that caused it, and a trace every rule. Built-in rules
// have no file but a table and their number in it.
struct RuleOrigin {
  std::string_view file;
  std::size_t line = 0;
  std::string_view table;
  std::size_t rule = 0;
};

// Told of every rule that changes the text, in order: a trace of the
// translation. `text` is the whole text after the rule.
class RuleObserver {
 public:
  virtual ~RuleObserver() = default;
  virtual void Changed(const RuleOrigin& origin, std::string_view find, std::string_view replace,
                       std::size_t count, const std::string& text) = 0;
};

// The growth guard: a translation whose working text grows past this many
// bytes, 64 MiB plus 32 times the input, stops with
// ErrorKind::kRunawayGrowth. translate.h says why that is generous enough.
std::size_t GrowthLimit(std::size_t input_bytes);

class WorkText {
 public:
  WorkText(std::string text, std::size_t limit) : text_(std::move(text)), limit_(limit) {}

  // ReplaceAll on the whole text. Throws TranslationError (kRunawayGrowth),
  // naming `origin`, when the result would pass the limit.
  void Replace(std::string_view find, std::string_view replace, RuleOrigin origin = {});

  // Each rule of `table` once, in order; `name` names the table in a trace.
  void ApplyTable(RuleTable table, std::string_view name);

  // Lowercases the whole text with full Unicode case mapping; `name`
  // names the step in a trace.
  void Lowercase(std::string_view name);

  // Tells `observer` (null: nobody) of every change from now on.
  void set_observer(RuleObserver* observer) { observer_ = observer; }

  const std::string& text() const { return text_; }
  std::string Release() { return std::move(text_); }

 private:
  [[noreturn]] void ThrowRunawayGrowth(RuleOrigin origin) const;

  std::string text_;
  std::size_t limit_;
  // The dictionary line applied last: when a built-in rule takes the text
  // past the limit, the dictionaries made it that large, and this is the
  // line a user can go and fix.
  std::string last_file_;
  std::size_t last_line_ = 0;
  RuleObserver* observer_ = nullptr;
};

}  // namespace mikawase

#endif  // MIKAWASE_WORK_TEXT_H_
