// An ordered list of rules, applied to a piece of text as fast as possible
// with exactly the result of one ReplaceAll per rule, in order.
//
// Most rules match nothing in a given piece. Instead of a pass per rule, the
// program finds the rules that occur in the piece at all (a multi-pattern
// scan), applies those in order, and after each rewrite looks for new
// occurrences only in a window around the rewritten text.
//
// Why the window suffices: take an occurrence O of a later rule k that
// exists when k's turn comes. If no rewrite ever touched the bytes of O (or
// closed a gap inside it), O was in the piece from the start and the first
// scan saw it. Otherwise let j be the last rule before k whose rewrite
// touched O: right after j, O already stood as it will at k's turn, and it
// overlaps j's rewritten region, so it lies within the longest pattern's
// length of that region, where the scan after j looked. The candidates are
// therefore a superset of the rules that match; a candidate whose
// occurrences were destroyed meanwhile simply finds nothing.
#ifndef MIKAWASE_RULE_PROGRAM_H_
#define MIKAWASE_RULE_PROGRAM_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "aho_corasick.h"

namespace mikawase {

struct Rule {
  std::string find;
  std::string replace;
};

class RuleProgram {
 public:
  explicit RuleProgram(std::vector<Rule> rules);
  RuleProgram(const RuleProgram&) = delete;
  RuleProgram& operator=(const RuleProgram&) = delete;

  // Applies every rule once, in order. Returns false, leaving `piece` in an
  // unspecified state, when the piece would grow past `limit` bytes;
  // otherwise raises *peak to the largest size the piece reached.
  bool Run(std::string& piece, std::size_t limit, std::size_t* peak) const;

  // True when `byte` occurs in some rule's pattern. A byte that occurs in
  // none is never matched, never rewritten and never spanned by a match, so
  // the text on either side of it can be run separately.
  bool InSomePattern(unsigned char byte) const { return in_pattern_[byte]; }

  std::size_t size() const { return rules_.size(); }

 private:
  struct Scratch;

  void Collect(std::string_view text, std::size_t begin, std::size_t end, std::uint32_t first_rule,
               Scratch& scratch) const;
  static void Queue(const std::vector<std::uint32_t>& rules, std::uint32_t first_rule,
                    Scratch& scratch);

  std::vector<Rule> rules_;
  std::size_t longest_find_ = 0;
  std::array<bool, 256> in_pattern_{};

  // Patterns that begin and end with a space (whole-word patterns, nearly
  // all dictionary rules) are found by their first space-delimited token in
  // a hash table: building that for ten thousand dictionary lines costs far
  // less than an automaton. Everything else goes through the automaton.
  std::unordered_map<std::string_view, std::vector<std::uint32_t>> by_first_token_;
  std::vector<std::vector<std::uint32_t>> rules_of_pattern_;  // automaton pattern -> rules
  std::unique_ptr<AhoCorasick> matcher_;
};

}  // namespace mikawase

#endif  // MIKAWASE_RULE_PROGRAM_H_
