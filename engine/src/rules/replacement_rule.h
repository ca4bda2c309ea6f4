// One literal rewrite: every occurrence of `find` becomes `replace`.
#ifndef MIKAWASE_REPLACEMENT_RULE_H_
#define MIKAWASE_REPLACEMENT_RULE_H_

#include <span>
#include <string_view>

namespace mikawase {

struct ReplacementRule {
  std::string_view find;
  std::string_view replace;
};

// A built-in table: applied once, rule by rule, in this order. The order is
// part of the behaviour, since each rule sees what the rules before it wrote.
using RuleTable = std::span<const ReplacementRule>;

}  // namespace mikawase

#endif  // MIKAWASE_REPLACEMENT_RULE_H_
